#include "ui/main/MovieFilterIndex.h"

#include "db/FindingTexts.h"
#include "db/UnicodeCase.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstring>

namespace ui {

namespace {

bool holds(QByteArrayView text, const QByteArray& word) {
    return memmem(text.data(), size_t(text.size()), word.constData(), size_t(word.size())) !=
           nullptr;
}

}  // namespace

void MovieFilterIndex::Texts::append(const QByteArray& text) {
    bytes.append(text);
    ends.push_back(quint32(bytes.size()));
}

QByteArrayView MovieFilterIndex::Texts::at(size_t index) const {
    const quint32 start = index == 0 ? 0 : ends[index - 1];
    return QByteArrayView(bytes.constData() + start, qsizetype(ends[index] - start));
}

size_t MovieFilterIndex::Texts::heldBytes() const {
    return size_t(bytes.capacity()) + ends.capacity() * sizeof(quint32);
}

void MovieFilterIndex::build(db::Connection& connection) {
    clear();
    db::ScanFindingTexts(
        connection, [&](const QByteArray& name) { names_.append(name); },
        [&](int movieId, const QByteArray& own, const std::vector<int>& names) {
            movieIds_.push_back(movieId);
            own_.append(own);
            links_.insert(links_.end(), names.begin(), names.end());
            linkEnds_.push_back(quint32(links_.size()));
        });
    for (Texts* texts : {&names_, &own_}) {
        texts->bytes.squeeze();
        texts->ends.shrink_to_fit();
    }
    movieIds_.shrink_to_fit();
    linkEnds_.shrink_to_fit();
    links_.shrink_to_fit();
    built_ = true;
}

void MovieFilterIndex::update(db::Connection& connection, int movieId) {
    if (built_)
        saved_.insert(movieId, db::FindingTextOf(connection, movieId));
}

size_t MovieFilterIndex::heldBytes() const {
    size_t saved = 0;
    for (const QByteArray& text : saved_)
        saved += size_t(text.capacity());
    return names_.heldBytes() + own_.heldBytes() + movieIds_.capacity() * sizeof(int) +
           (linkEnds_.capacity() + links_.capacity()) * sizeof(quint32) + saved;
}

void MovieFilterIndex::clear() {
    names_ = {};
    own_ = {};
    movieIds_ = {};
    linkEnds_ = {};
    links_ = {};
    saved_.clear();
    built_ = false;
}

std::vector<QByteArray> MovieFilterIndex::wordsOf(const QString& typed) {
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    std::vector<QByteArray> words;
    for (const QString& word : db::FindingFold(typed).split(spaces, Qt::SkipEmptyParts))
        words.push_back(word.toUtf8());
    // The longest first: it rules out the most movies, and a word held in another one that
    // is kept needs no search of its own.
    std::sort(words.begin(), words.end(),
              [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
    std::vector<QByteArray> distinct;
    for (const QByteArray& word : words)
        if (std::none_of(distinct.begin(), distinct.end(),
                         [&](const QByteArray& kept) { return kept.contains(word); }))
            distinct.push_back(word);
    return distinct;
}

std::vector<char> MovieFilterIndex::matching(const std::vector<QByteArray>& words) const {
    int largest = movieIds_.empty() ? 0 : movieIds_.back();
    for (auto saved = saved_.constBegin(); saved != saved_.constEnd(); ++saved)
        largest = std::max(largest, saved.key());
    std::vector<char> kept(size_t(largest) + 1, 0);
    // Which names hold each word, found once for all the movies that share them.
    std::vector<std::vector<char>> namesHolding;
    for (const QByteArray& word : words) {
        std::vector<char>& holding = namesHolding.emplace_back(names_.ends.size());
        for (size_t name = 0; name < names_.ends.size(); ++name)
            holding[name] = holds(names_.at(name), word);
    }
    for (size_t movie = 0; movie < movieIds_.size(); ++movie) {
        if (!saved_.isEmpty() && saved_.contains(movieIds_[movie]))
            continue;
        const QByteArrayView own = own_.at(movie);
        const quint32 firstLink = movie == 0 ? 0 : linkEnds_[movie - 1];
        bool all = true;
        for (size_t w = 0; all && w < words.size(); ++w) {
            if (holds(own, words[w]))
                continue;
            all = std::any_of(links_.begin() + firstLink, links_.begin() + linkEnds_[movie],
                              [&](quint32 name) { return namesHolding[w][name] != 0; });
        }
        if (all)
            kept[size_t(movieIds_[movie])] = 1;
    }
    for (auto saved = saved_.constBegin(); saved != saved_.constEnd(); ++saved)
        if (std::all_of(words.begin(), words.end(),
                        [&](const QByteArray& word) { return holds(*saved, word); }))
            kept[size_t(saved.key())] = 1;
    return kept;
}

}  // namespace ui
