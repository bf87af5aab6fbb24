#include "CatalogueGenerator.h"

#include "db/Connection.h"
#include "db/LookupTable.h"
#include "db/Movies.h"
#include "db/Schema.h"
#include "db/StoredDate.h"
#include "db/Transaction.h"
#include "db/Upgrade.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <array>

namespace bench {

namespace {

const std::array FirstNames = {
    "James",     "Mary",      "John",      "Patricia", "Robert",    "Jennifer", "Michael",
    "Linda",     "William",   "Elizabeth", "David",    "Barbara",   "Richard",  "Susan",
    "Joseph",    "Jessica",   "Thomas",    "Sarah",    "Charles",   "Karen",    "Christopher",
    "Nancy",     "Daniel",    "Lisa",      "Matthew",  "Betty",     "Anthony",  "Margaret",
    "Mark",      "Sandra",    "Donald",    "Ashley",   "Steven",    "Kimberly", "Paul",
    "Emily",     "Andrew",    "Donna",     "Joshua",   "Michelle",  "Kenneth",  "Dorothy",
    "Kevin",     "Carol",     "Brian",     "Amanda",   "George",    "Melissa",  "Edward",
    "Deborah",   "Ronald",    "Stephanie", "Timothy",  "Rebecca",   "Jason",    "Sharon",
    "Jeffrey",   "Laura",     "Ryan",      "Cynthia",  "Jacob",     "Kathleen", "Gary",
    "Amy",       "Nicholas",  "Shirley",   "Eric",     "Angela",    "Jonathan", "Helen",
    "Stephen",   "Anna",      "Larry",     "Brenda",   "Justin",    "Pamela",   "Scott",
    "Nicole",    "Brandon",   "Emma",      "Benjamin", "Samantha",  "Samuel",   "Katherine",
    "Gregory",   "Christine", "Frank",     "Debra",    "Alexander", "Rachel",   "Raymond",
    "Catherine", "Patrick",   "Carolyn",   "Jack",     "Janet",     "Dennis",   "Ruth",
    "Jerry",     "Maria",     "José",      "Zoë",      "Björn",     "Chloé",    "François",
    "Søren",     "Łukasz",    "Renée",     "Jürgen",   "Inés",      "Ana",      "Hiroshi",
    "Yuki",      "Mei",       "Ravi",      "Priya",    "Olga",      "Ivan",     "Fatima",
    "Omar",      "Aisha",     "Kwame",     "Nia",      "Lars",      "Ingrid",   "Pablo",
    "Lucía",     "Matteo",    "Giulia",    "Sven",     "Astrid",    "Niamh",    "Seán",
    "Siobhán",   "Declan",    "Maeve",     "Amélie",   "Gaëlle",    "Noël",     "Anaïs",
    "Dmitri",    "Katya",     "Tomás",     "Marta",    "Ewa",       "Piotr"};

const std::array LastNames = {
    "Smith",     "Johnson",    "Williams",   "Brown",     "Jones",     "Garcia",   "Miller",
    "Davis",     "Rodriguez",  "Martinez",   "Hernandez", "Lopez",     "Gonzalez", "Wilson",
    "Anderson",  "Thomas",     "Taylor",     "Moore",     "Jackson",   "Martin",   "Lee",
    "Perez",     "Thompson",   "White",      "Harris",    "Sanchez",   "Clark",    "Ramirez",
    "Lewis",     "Robinson",   "Walker",     "Young",     "Allen",     "King",     "Wright",
    "Scott",     "Torres",     "Nguyen",     "Hill",      "Flores",    "Green",    "Adams",
    "Nelson",    "Baker",      "Hall",       "Rivera",    "Campbell",  "Mitchell", "Carter",
    "Roberts",   "Gomez",      "Phillips",   "Evans",     "Turner",    "Diaz",     "Parker",
    "Cruz",      "Edwards",    "Collins",    "Reyes",     "Stewart",   "Morris",   "Morales",
    "Murphy",    "Cook",       "Rogers",     "Gutierrez", "Ortiz",     "Morgan",   "Cooper",
    "Peterson",  "Bailey",     "Reed",       "Kelly",     "Howard",    "Ramos",    "Kim",
    "Cox",       "Ward",       "Richardson", "Watson",    "Brooks",    "Chavez",   "Wood",
    "James",     "Bennett",    "Gray",       "Mendoza",   "Ruiz",      "Hughes",   "Price",
    "Alvarez",   "Castillo",   "Sanders",    "Patel",     "Myers",     "Long",     "Ross",
    "Foster",    "Jiménez",    "O'Brien",    "O'Neill",   "D'Angelo",  "Müller",   "Schröder",
    "Øvergaard", "Åkesson",    "Núñez",      "Dvořák",    "Kowalczyk", "Lefèvre",  "Béranger",
    "Gonçalves", "Þórsson",    "Yamamoto",   "Tanaka",    "Chen",      "Wang",     "Singh",
    "Kapoor",    "Ivanova",    "Petrov",     "Novak",     "Horvat",    "Larsen",   "Johansson",
    "Lindqvist", "Fitzgerald", "MacDonald",  "McCarthy",  "Sullivan",  "Byrne",    "Rossi",
    "Bianchi",   "Romano",     "Ferrari",    "Moreau",    "Laurent",   "Dubois",   "Fontaine"};

const std::array TitleOpenings = {"The",
                                  "A",
                                  "Return of the",
                                  "Revenge of the",
                                  "Night of the",
                                  "Beyond the",
                                  "Escape from",
                                  "Last",
                                  "Dark",
                                  "Lost",
                                  "Secret",
                                  "Silent",
                                  "Broken",
                                  "Golden",
                                  "Midnight",
                                  "Wild",
                                  "Forgotten",
                                  "Eternal",
                                  "Hidden",
                                  "Crimson",
                                  "Frozen",
                                  "Burning",
                                  "Distant",
                                  "Shadow of the",
                                  "Children of the",
                                  "Kingdom of",
                                  "Journey to",
                                  "Daughter of the",
                                  "Man Without a",
                                  "Le",
                                  "La",
                                  "Der",
                                  "El",
                                  "Das"};

const std::array TitleWords = {
    "Star",         "Dragon",    "River",       "Mountain", "City",     "Storm",    "Heart",
    "Empire",       "Island",    "Garden",      "Knight",   "Ghost",    "Machine",  "Ocean",
    "Desert",       "Forest",    "Circus",      "Highway",  "Harbor",   "Planet",   "Castle",
    "Stranger",     "Detective", "Samurai",     "Cowboy",   "Pirate",   "Queen",    "Wolf",
    "Raven",        "Tiger",     "Falcon",      "Winter",   "Summer",   "Thunder",  "Mirror",
    "Voyage",       "Carnival",  "Lighthouse",  "Orchard",  "Ballroom", "Frontier", "Canyon",
    "Café",         "Château",   "Fiesta",      "Mädchen",  "Señorita", "Rêve",     "Niño",
    "Doppelgänger", "Piñata",    "Smörgåsbord", "Fjord",    "Tundra",   "Monsoon",  "Bayou"};

const std::array TitleEndings = {"",
                                 "",
                                 "",
                                 "",
                                 " II",
                                 " III",
                                 " Returns",
                                 " Rising",
                                 " Reborn",
                                 "'s Daughter",
                                 "'s Revenge",
                                 "'s Last Stand",
                                 " at Dawn",
                                 " in Paris",
                                 " of Doom",
                                 " Forever",
                                 ": The Beginning",
                                 " and the Thief",
                                 " Down Under",
                                 " für Elise"};

const std::array NoteTexts = {"Director's cut.",
                              "Widescreen edition with commentary.",
                              "Bought at the flea market; case is cracked.",
                              "Region 2 disc.\nNeeds a multi-region player.",
                              "Signed by the cast.",
                              "Gift from Grandma.\nWatch at Christmas.\nShe loved the ending.",
                              "Two-disc special edition, \"collector's\" sleeve.",
                              "Subtitles: English, Français, Español.",
                              "Replace: skips in chapter 12.",
                              "Rented out often; ask for it back."};

class Random {
public:
    explicit Random(quint32 seed) : generator_(seed) {}
    int between(int low, int high) { return low + int(generator_.bounded(high - low + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename Array>
    QString pick(const Array& values) {
        return QString::fromUtf8(values[size_t(between(0, int(values.size()) - 1))]);
    }
    QString pickFrom(const QStringList& values) {
        return values[between(0, int(values.size()) - 1)];
    }

private:
    QRandomGenerator generator_;
};

QString personName(Random& random) {
    return random.pick(FirstNames) + u' ' + random.pick(LastNames);
}

QStringList actorPool(Random& random, int count) {
    QSet<QString> seen;
    QStringList names;
    const int possible = int(FirstNames.size() * LastNames.size());
    while (names.size() < count) {
        QString name = personName(random);
        if (seen.size() >= possible * 9 / 10)
            name += QStringLiteral(" %1").arg(names.size());  // the pairs are used up
        if (!seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
}

QString title(Random& random, QSet<QString>& used) {
    QString text = random.pick(TitleOpenings) + u' ' + random.pick(TitleWords) +
                   (random.chance(40) ? u' ' + random.pick(TitleWords) : QString()) +
                   random.pick(TitleEndings);
    const QString plain = text;
    for (int copy = 2; used.contains(text.toCaseFolded()); ++copy)
        text = plain + QStringLiteral(" (%1)").arg(copy);
    used.insert(text.toCaseFolded());
    return text;
}

QDateTime someDate(Random& random, int fromYear, int toYear) {
    const QDate day = QDate(fromYear, 1, 1).addDays(random.between(0, (toYear - fromYear) * 365));
    return db::CatalogueDateTime(day, QTime(random.between(8, 22), random.between(0, 59)));
}

QString genreIds(Random& random, const QList<int>& genres) {
    QList<int> chosen;
    const int count = random.between(1, 3);
    while (chosen.size() < count) {
        const int id = genres[random.between(0, int(genres.size()) - 1)];
        if (!chosen.contains(id))
            chosen.append(id);
    }
    QStringList ids;
    for (int id : chosen)
        ids.append(QString::number(id));
    return ids.join(u'/');
}

QList<int> ids(db::Connection& connection, db::LookupTable table) {
    QList<int> result;
    QSqlQuery query = connection.query(QStringLiteral("SELECT [%1] FROM [%2] ORDER BY [%1]")
                                           .arg(db::IdColumnName(table), db::TableName(table)));
    while (query.next())
        result.append(query.value(0).toInt());
    return result;
}

db::MovieRecord movie(Random& random, QSet<QString>& titles, const QList<int>& genres,
                      const QList<int>& locations, const QList<int>& media,
                      const QList<int>& ratings, int number) {
    db::MovieRecord record;
    record.title = title(random, titles);
    record.genreIds = genreIds(random, genres);
    record.locationId = locations[random.between(0, int(locations.size()) - 1)];
    record.mediaId = media[random.between(0, int(media.size()) - 1)];
    record.ratingId = ratings[random.between(0, int(ratings.size()) - 1)];
    record.labelNumber = QStringLiteral("%1-%2")
                             .arg(QChar(u'A' + random.between(0, 25)))
                             .arg(number, 5, 10, QLatin1Char('0'));
    record.director = personName(random);
    record.producer = random.chance(80) ? personName(random) : QString();
    record.releaseYear = random.chance(95) ? random.between(1920, 2026) : 0;
    record.minutes = random.chance(95) ? random.between(70, 210) : 0;
    record.stars = random.between(0, 10) / 2.0;
    record.acquireDate = random.chance(90) ? someDate(random, 1985, 2026) : QDateTime();
    record.cost = random.chance(90)
                      ? db::Currency::fromTenThousandths(qint64(random.between(199, 5999)) * 100)
                      : db::Currency();
    if (random.chance(5)) {
        record.lentTo = personName(random);
        record.lentDate = someDate(random, 2020, 2026);
    }
    if (random.chance(30))
        record.notes = random.pick(NoteTexts);
    return record;
}

}  // namespace

void GenerateCatalogue(const QString& path, const GeneratorOptions& options) {
    db::CreateDatabase(path);
    auto connection = db::Connection::open(path);
    connection->query(QStringLiteral("PRAGMA journal_mode = WAL"));
    while (db::ReadVersion(*connection) < db::CurrentSchemaVersion)
        db::UpdateDatabase(*connection);

    Random random(options.seed);
    const QStringList actors = actorPool(random, options.actors);
    {
        db::Transaction transaction(*connection);
        for (const QString& name : actors)
            db::LookupOrAddId(*connection, db::LookupTable::Actor, name);
        db::LookupOrAddId(*connection, db::LookupTable::Location, QStringLiteral("Garage"));
        db::LookupOrAddId(*connection, db::LookupTable::Media, QStringLiteral("Blu-ray"));
    }
    const QList<int> genres = ids(*connection, db::LookupTable::Genre);
    const QList<int> locations = ids(*connection, db::LookupTable::Location);
    const QList<int> media = ids(*connection, db::LookupTable::Media);
    const QList<int> ratings = ids(*connection, db::LookupTable::Rating);

    QSet<QString> titles;
    constexpr int Batch = 2000;
    for (int first = 1; first <= options.movies; first += Batch) {
        db::Transaction transaction(*connection);
        for (int number = first; number < first + Batch && number <= options.movies; ++number) {
            const db::MovieRecord record =
                movie(random, titles, genres, locations, media, ratings, number);
            const int id = db::InsertMovie(*connection, record);
            QStringList cast;
            const int castSize = random.between(2, 8);
            while (cast.size() < castSize) {
                const QString actor = random.pickFrom(actors);
                if (!cast.contains(actor))  // an actor is in a cast once
                    cast.append(actor);
            }
            db::SetMovieCast(*connection, id, cast);
        }
    }
}

}  // namespace bench
