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

void MovieFilterIndex::build(db::Connection& connection) {
    clear();
    db::ScanFindingTexts(connection, [&](int movieId, const QByteArray& text) {
        movieIds_.push_back(movieId);
        texts_.append(text);
        ends_.push_back(texts_.size());
    });
    texts_.squeeze();
    movieIds_.shrink_to_fit();
    ends_.shrink_to_fit();
    built_ = true;
}

void MovieFilterIndex::update(db::Connection& connection, int movieId) {
    if (!built_)
        return;
    saved_.remove(movieId);
    db::ScanFindingTexts(
        connection, [&](int id, const QByteArray& text) { saved_.insert(id, text); }, movieId);
}

size_t MovieFilterIndex::heldBytes() const {
    size_t saved = 0;
    for (const QByteArray& text : saved_)
        saved += size_t(text.capacity());
    return size_t(texts_.capacity()) + movieIds_.capacity() * sizeof(int) +
           ends_.capacity() * sizeof(qsizetype) + saved;
}

void MovieFilterIndex::clear() {
    movieIds_ = {};
    ends_ = {};
    texts_ = {};
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

QByteArrayView MovieFilterIndex::textAt(size_t index) const {
    const qsizetype start = index == 0 ? 0 : ends_[index - 1];
    return QByteArrayView(texts_.constData() + start, ends_[index] - start);
}

std::vector<char> MovieFilterIndex::matching(const std::vector<QByteArray>& words) const {
    int largest = movieIds_.empty() ? 0 : movieIds_.back();
    for (auto saved = saved_.constBegin(); saved != saved_.constEnd(); ++saved)
        largest = std::max(largest, saved.key());
    std::vector<char> kept(size_t(largest) + 1, 0);
    auto holdsAll = [&](QByteArrayView text) {
        return std::all_of(words.begin(), words.end(),
                           [&](const QByteArray& word) { return holds(text, word); });
    };
    for (size_t index = 0; index < movieIds_.size(); ++index)
        if (!saved_.contains(movieIds_[index]) && holdsAll(textAt(index)))
            kept[size_t(movieIds_[index])] = 1;
    for (auto saved = saved_.constBegin(); saved != saved_.constEnd(); ++saved)
        if (holdsAll(*saved))
            kept[size_t(saved.key())] = 1;
    return kept;
}

}  // namespace ui
