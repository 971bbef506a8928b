#include "forecast/eveningfile.h"
#include "forecast/eveningstore.h"
#include "settings/settingslocation.h"
#include "symboliclink.h"
#include "tempprogramfolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

Q_DECLARE_METATYPE(EveningRefusal)
Q_DECLARE_METATYPE(Evening)

// The forecast window's evening kept in forecast.json: what comes back, what is dropped, and
// what happens to a file that cannot be read.
class TestEvening : public QObject {
    Q_OBJECT

private slots:
    void fileLiesBesideSettings_data();
    void fileLiesBesideSettings();
    void everyTypedTextComesBack();
    void fileOfTheFirstFormatReadsBackFieldForField();
    void readingsOfBothKindsReadBackFieldForField();
    void largestEveningTheWindowAllowsComesBack();
    void freshEveningHasAFixedForm();
    void rowsOlderThanTwoDaysAreDropped_data();
    void rowsOlderThanTwoDaysAreDropped();
    void drinkWithoutDateIsKeptAsOne();
    void limitsThemselvesAreRead();
    void refusedFileIsSetAside_data();
    void refusedFileIsSetAside();
    void setAsideTakesTheNextFreeName_data();
    void setAsideTakesTheNextFreeName();
    void fileThatCannotBeSetAsideIsNeverWrittenOver();
    void twoProgramsNeverOverwriteEachOther();
    void missingFileGivesFreshWindowQuietly();
    void saveRefusesLinksAndEveningsTheFileCannotHold_data();
    void saveRefusesLinksAndEveningsTheFileCannotHold();
    void failedWriteSaysWhyAndKeepsTheOldFile_data();
    void failedWriteSaysWhyAndKeepsTheOldFile();
};

namespace {
// The program's folder in the user's configuration folder.
#ifdef Q_OS_WIN
const QString UserFolder = u"Promille"_qs;
#else
const QString UserFolder = u"promille"_qs;
#endif
const QDateTime Now(QDate(2026, 12, 8), QTime(22, 0));

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QString Drinks = u"drinks"_qs;
const QString Readings = u"measurements"_qs;

QJsonObject validObject() {
    Evening evening;
    evening.drinks.append({QDate(2026, 12, 8), u"21:00"_qs, u"Пиво"_qs, u"500"_qs, u"5"_qs});
    evening.measurements.append({QDate(2026, 12, 8), u"21:50"_qs, u"0,2"_qs});
    return QJsonDocument::fromJson(toJson(evening)).object();
}

// A valid file with one field of the evening, or of the only row of one of its lists, replaced.
QByteArray with(const QString& key, const QJsonValue& value, const QString& list = {}) {
    QJsonObject object = validObject();
    QJsonObject row = object[list.isEmpty() ? Drinks : list].toArray()[0].toObject();
    QJsonObject& target = list.isEmpty() ? object : row;
    if (value.isUndefined())
        target.remove(key);
    else
        target[key] = value;
    if (!list.isEmpty())
        object[list] = QJsonArray{row};
    return QJsonDocument(object).toJson();
}

QByteArray withRows(const QString& list, int count) {
    QJsonArray rows;
    for (int i = 0; i < count; ++i)
        rows.append(validObject()[list].toArray()[0]);
    return with(list, rows);
}
} // namespace

void TestEvening::fileLiesBesideSettings_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("installedBin");
    QTest::addColumn<QString>("expected");
    QTest::newRow("writable program folder")
        << u"Программа"_qs << u"usr/bin"_qs << u"Программа/forecast.json"_qs;
    QTest::newRow("program folder missing")
        << u"нет"_qs << u"usr/bin"_qs << u"config/%1/forecast.json"_qs.arg(UserFolder);
    QTest::newRow("writable installed bin folder")
        << u"Программа"_qs << u"Программа"_qs << u"config/%1/forecast.json"_qs.arg(UserFolder);
}

void TestEvening::fileLiesBesideSettings() {
    QFETCH(QString, program);
    QFETCH(QString, installedBin);
    QFETCH(QString, expected);
    TempProgramFolder root;
    QVERIFY(QDir(root.path()).mkdir(u"Программа"_qs));
    const QString config = root.filePath(u"config"_qs);
    const QString folder = root.filePath(program);
    const QString installed = root.filePath(installedBin);
    const QString path = forecastFilePath(folder, config, installed);
    QCOMPARE(path, root.filePath(expected));
    QCOMPARE(QFileInfo(path).dir(), QFileInfo(settingsFilePath(folder, config, installed)).dir());
}

void TestEvening::fileOfTheFirstFormatReadsBackFieldForField() {
    // Written by the program before the evening and the form became one type: every field away
    // from its default, a drink without a date, an own limit.
    const QByteArray file =
        R"({"absorption":"45","age":"42","country":"US-CAL","customLimit":"0,3")"
        R"(,"deficit":"10","drinks":[{"date":"2026-12-08","drink":"Самогон «Дед»")"
        R"(,"duration":"15","grams":"250","strength":"45,5")"
        R"(,"time":"21:05"},{"date":"","drink":"Пиво 4%","duration":"0")"
        R"(,"grams":"500","strength":"4","time":"23:40"}],"driverClass":"novice")"
        R"(,"fastestRate":"0,2","height":"168","mass":"61,5","model":"watson")"
        R"(,"planned":"07:30","rate":"0,12","sex":"f","slowestRate":"0,09")"
        R"(,"version":1})";
    Evening expected;
    expected.drinks = {
        {QDate(2026, 12, 8), u"21:05"_qs, u"Самогон «Дед»"_qs, u"250"_qs, u"45,5"_qs, u"15"_qs},
        {QDate(), u"23:40"_qs, u"Пиво 4%"_qs, u"500"_qs, u"4"_qs, u"0"_qs}};
    expected.sex = Sex::Female;
    expected.mass = u"61,5"_qs;
    expected.height = u"168"_qs;
    expected.age = u"42"_qs;
    expected.slowestRate = u"0,09"_qs;
    expected.rate = u"0,12"_qs;
    expected.fastestRate = u"0,2"_qs;
    expected.deficit = u"10"_qs;
    expected.absorption = u"45"_qs;
    expected.planned = u"07:30"_qs;
    expected.model = u"watson"_qs;
    expected.country = u"US-CAL"_qs;
    expected.driverClass = u"novice"_qs;
    expected.ownLimit = true;
    expected.customLimit = u"0,3"_qs;
    const EveningRead read = readEvening(file, Now);
    QVERIFY(!read.refusal);
    QCOMPARE(read.evening, expected);
    // It is written back as the present format: the same, with no readings.
    QCOMPARE(toJson(read.evening),
             QByteArray(file)
                 .replace(R"("mass":"61,5",)", R"("mass":"61,5","measurements":[],)")
                 .replace(R"("version":1)", R"("version":2)"));
}

void TestEvening::readingsOfBothKindsReadBackFieldForField() {
    const QByteArray file =
        R"({"absorption":"0","age":"30","country":"RU","customLimit":"","deficit":"0")"
        R"(,"drinks":[{"date":"2026-12-08","drink":"Водка","duration":"0","grams":"100")"
        R"(,"strength":"40","time":"20:00"}],"driverClass":"general","fastestRate":"0,16")"
        R"(,"height":"175","mass":"80","measurements":[{"date":"2026-12-08","kind":"breath")"
        R"(,"time":"21:30","value":"0,25"},{"date":"","kind":"blood","time":"9:7")"
        R"(,"value":"abc"}],"model":"widmark","planned":"08:00","rate":"0,13","sex":"m")"
        R"(,"slowestRate":"0,1","version":2})";
    Evening expected;
    expected.mass = u"80"_qs;
    expected.drinks = {{QDate(2026, 12, 8), u"20:00"_qs, u"Водка"_qs, u"100"_qs, u"40"_qs}};
    expected.measurements = {
        {QDate(2026, 12, 8), u"21:30"_qs, u"0,25"_qs, Measurement::Kind::Breath},
        {QDate(), u"9:7"_qs, u"abc"_qs, Measurement::Kind::Blood}};
    const EveningRead read = readEvening(file, Now);
    QVERIFY(!read.refusal);
    QCOMPARE(read.evening, expected);
    QCOMPARE(toJson(expected), file);
}

void TestEvening::everyTypedTextComesBack() {
    Evening evening;
    evening.drinks = {
        {QDate(2026, 12, 8), u"21:05"_qs, u"Самогон «Дед»"_qs, u"abc"_qs, u"45,5"_qs, u"15"_qs},
        {QDate(2026, 12, 7), u"9:6"_qs, u"Квас"_qs, u""_qs, u"1,2"_qs, u"ноль"_qs}};
    evening.sex = Sex::Female;
    const QList<QString Evening::*> texts{
        &Evening::mass,    &Evening::height,      &Evening::age,     &Evening::slowestRate,
        &Evening::rate,    &Evening::fastestRate, &Evening::deficit, &Evening::absorption,
        &Evening::planned, &Evening::customLimit};
    for (int i = 0; i < texts.size(); ++i)
        evening.*texts[i] = u"поле %1"_qs.arg(i);
    evening.model = u"all"_qs;
    evening.country = u"US-CAL"_qs;
    evening.driverClass = u"professional"_qs;
    evening.ownLimit = true; // the custom limit is kept only when it is the choice

    TempProgramFolder root;
    const QString path = root.filePath(u"новая папка/forecast.json"_qs);
    QVERIFY(EveningStore(path).save(evening, Now).ok);
    const EveningStore::Loaded loaded = EveningStore(path).load(Now);
    QCOMPARE(loaded.notice, QString());
    QVERIFY(loaded.evening == evening);
    QVERIFY(!read(path).contains('\n'));
}

void TestEvening::largestEveningTheWindowAllowsComesBack() {
    // Every text at the fields' length in characters of three UTF-8 bytes each, every row
    // there: the reader must take what the writer wrote.
    const QString longest(EveningTextLimit, u'€');
    Evening evening;
    for (int i = 0; i < EveningDrinkLimit; ++i)
        evening.drinks.append({Now.date(), longest, longest, longest, longest, longest});
    for (int i = 0; i < EveningMeasurementLimit; ++i)
        evening.measurements.append({Now.date(), longest, longest, Measurement::Kind::Blood});
    for (QString* text : {&evening.mass, &evening.height, &evening.age, &evening.slowestRate,
                          &evening.rate, &evening.fastestRate, &evening.deficit,
                          &evening.absorption, &evening.planned, &evening.customLimit})
        *text = longest;
    evening.ownLimit = true;
    QVERIFY(toJson(evening).size() > 800 * 1000);

    TempProgramFolder root;
    const QString path = root.filePath(u"forecast.json"_qs);
    const EveningStore::Saved saved = EveningStore(path).save(evening, Now);
    QVERIFY2(saved.ok, qPrintable(saved.problem));
    const EveningStore::Loaded loaded = EveningStore(path).load(Now);
    QCOMPARE(loaded.notice, QString());
    QVERIFY(loaded.evening == evening);
}

void TestEvening::freshEveningHasAFixedForm() {
    // Older files must stay readable, so the names and defaults may not drift.
    QCOMPARE(toJson(Evening{}),
             QByteArray(R"({"absorption":"0","age":"30","country":"RU","customLimit":"",)"
                        R"("deficit":"0","drinks":[],"driverClass":"general","fastestRate":"0,16",)"
                        R"("height":"175","mass":"","measurements":[],"model":"widmark",)"
                        R"("planned":"08:00","rate":"0,13","sex":"m","slowestRate":"0,1",)"
                        R"("version":2})"));
}

void TestEvening::rowsOlderThanTwoDaysAreDropped_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("kept");
    const QDate edge(2026, 12, 6);
    QTest::newRow("exactly 48 h") << Now << edge << u"22:00"_qs << true;
    QTest::newRow("a minute more") << Now << edge << u"21:59"_qs << false;
    QTest::newRow("later tonight") << Now << Now.date() << u"23:30"_qs << true;
    QTest::newRow("bad time, day ends after the edge") << Now << edge << u"25:00"_qs << true;
    QTest::newRow("bad time, day ends before the edge")
        << Now << edge.addDays(-1) << u"abc"_qs << false;
    const QDateTime midnight(QDate(2026, 12, 9), QTime(0, 0));
    QTest::newRow("empty time, day ends at the edge") << midnight << edge << QString() << true;
    QTest::newRow("empty time, day before") << midnight << edge.addDays(-1) << QString() << false;
}

void TestEvening::rowsOlderThanTwoDaysAreDropped() {
    QFETCH(QDateTime, now);
    QFETCH(QDate, date);
    QFETCH(QString, time);
    QFETCH(bool, kept);
    Evening evening;
    evening.mass = u"70"_qs;
    evening.drinks.append({date, time, u"Вино"_qs, u"150"_qs, u"12"_qs});
    evening.measurements.append({date, time, u"0,1"_qs});
    // A reading without a proper time counts from the end of today: it stays either way.
    evening.measurements.append({now.date(), u"0,3"_qs, u"0,3"_qs, Measurement::Kind::Blood});
    const EveningRead read = readEvening(toJson(evening), now);
    QVERIFY(!read.refusal);
    QCOMPARE(read.evening.drinks.size(), kept ? 1 : 0);
    QCOMPARE(read.evening.measurements.size(), kept ? 2 : 1);
    QCOMPARE(read.evening.measurements.last().value, u"0,3"_qs);
    QCOMPARE(read.evening.mass, u"70"_qs);
}

void TestEvening::drinkWithoutDateIsKeptAsOne() {
    // A row whose date is not yet typed (or not a real one) stays a row to complete.
    Evening evening;
    evening.drinks.append({QDate(), u"21:00"_qs, u"Пиво"_qs, u"500"_qs, u"5"_qs});
    const QByteArray bytes = toJson(evening);
    QVERIFY(bytes.contains(R"("date":"")"));
    const EveningRead read = readEvening(bytes, Now);
    QVERIFY(!read.refusal);
    QVERIFY(read.evening == evening);
}

void TestEvening::limitsThemselvesAreRead() {
    QVERIFY(!readEvening(withRows(Drinks, EveningDrinkLimit), Now).refusal);
    QVERIFY(!readEvening(withRows(Readings, EveningMeasurementLimit), Now).refusal);
    QVERIFY(!readEvening(with(u"drink"_qs, QString(EveningTextLimit, u'ж'), Drinks), Now).refusal);
    QByteArray largest = with(u"mass"_qs, u"80"_qs);
    largest.append(EveningFileSizeLimit - largest.size(), ' ');
    QVERIFY(!readEvening(largest, Now).refusal);
}

void TestEvening::refusedFileIsSetAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<EveningRefusal>("refusal");
    QByteArray large = with(u"mass"_qs, u"80"_qs);
    large.append(EveningFileSizeLimit + 1 - large.size(), ' ');
    const QString longText(EveningTextLimit + 1, u'ж');
    const QJsonValue none(QJsonValue::Undefined);
    using R = EveningRefusal;
    QTest::newRow("too large") << large << R::TooLarge;
    QTest::newRow("empty") << QByteArray() << R::NotJson;
    QTest::newRow("cut short") << with(u"mass"_qs, u"80"_qs).chopped(2) << R::NotJson;
    QTest::newRow("not UTF-8") << QByteArray("{\"version\":1,\"mass\":\"\xff\"}") << R::NotJson;
    QTest::newRow("array") << QByteArray("[]") << R::NotObject;
    QTest::newRow("empty object") << QByteArray("{}") << R::Version;
    QTest::newRow("version 3") << with(u"version"_qs, 3) << R::Version;
    QTest::newRow("drinks not a list") << with(Drinks, QJsonObject()) << R::WrongType;
    QTest::newRow("readings missing") << with(Readings, none) << R::WrongType;
    QTest::newRow("readings not a list") << with(Readings, QJsonObject()) << R::WrongType;
    QTest::newRow("mass as number") << with(u"mass"_qs, 80) << R::WrongType;
    QTest::newRow("planned missing") << with(u"planned"_qs, none) << R::WrongType;
    QTest::newRow("drink time missing") << with(u"time"_qs, none, Drinks) << R::WrongType;
    QTest::newRow("drink as text") << with(Drinks, QJsonArray{u"Пиво"_qs}) << R::WrongType;
    QTest::newRow("reading value as number") << with(u"value"_qs, 0.2, Readings) << R::WrongType;
    QTest::newRow("reading kind missing") << with(u"kind"_qs, none, Readings) << R::WrongType;
    QTest::newRow("501 drinks") << withRows(Drinks, EveningDrinkLimit + 1) << R::TooManyDrinks;
    QTest::newRow("101 readings") << withRows(Readings, EveningMeasurementLimit + 1)
                                  << R::TooManyMeasurements;
    QTest::newRow("long drink name") << with(u"drink"_qs, longText, Drinks) << R::TextTooLong;
    QTest::newRow("tab in a reading")
        << with(u"time"_qs, u"21:\t50"_qs, Readings) << R::InvalidText;
    QTest::newRow("lone surrogate")
        << QByteArray(with(u"age"_qs, u"@"_qs).replace("@", "\\ud800")) << R::InvalidText;
    QTest::newRow("30 February") << with(u"date"_qs, u"2026-02-30"_qs, Drinks) << R::InvalidDate;
    QTest::newRow("reading on 31 April")
        << with(u"date"_qs, u"2026-04-31"_qs, Readings) << R::InvalidDate;
    QTest::newRow("year 9999") << with(u"date"_qs, u"9999-09-09"_qs, Drinks) << R::FarDate;
    QTest::newRow("in three weeks") << with(u"date"_qs, u"2026-12-29"_qs, Drinks) << R::FarDate;
    QTest::newRow("reading in 9999") << with(u"date"_qs, u"9999-09-09"_qs, Readings) << R::FarDate;
    // Near enough to now, but more than 14 days after the first drink.
    QTest::newRow("reading 14 days 50 min after the drink")
        << with(u"date"_qs, u"2026-12-22"_qs, Readings) << R::FarDate;
    QTest::newRow("NUL in a text")
        << with(u"mass"_qs, QString(u"8"_qs + QChar(0) + u"0"_qs)) << R::InvalidText;
    QTest::newRow("tab in a drink name")
        << with(u"drink"_qs, u"Пиво\tсветлое"_qs, Drinks) << R::InvalidText;
    QTest::newRow("line break") << with(u"planned"_qs, u"08:00\n"_qs) << R::InvalidText;
    QTest::newRow("sex as word") << with(u"sex"_qs, u"male"_qs) << R::UnknownSex;
    QTest::newRow("unknown model") << with(u"model"_qs, u"guess"_qs) << R::UnknownId;
    QTest::newRow("lower-case country") << with(u"country"_qs, u"ru"_qs) << R::UnknownId;
    QTest::newRow("long region") << with(u"country"_qs, u"US-CALI"_qs) << R::UnknownId;
    QTest::newRow("short region") << with(u"country"_qs, u"US-CA"_qs) << R::UnknownId;
    QTest::newRow("unknown class") << with(u"driverClass"_qs, u"pro"_qs) << R::UnknownId;
    QTest::newRow("urine reading") << with(u"kind"_qs, u"urine"_qs, Readings) << R::UnknownId;
}

void TestEvening::refusedFileIsSetAside() {
    QFETCH(QByteArray, bytes);
    QFETCH(EveningRefusal, refusal);
    QCOMPARE(readEvening(bytes, Now).refusal, std::optional(refusal));

    // Nothing is deleted: an older file set aside stays, the new one takes the next free name.
    TempProgramFolder root;
    const QString path = root.filePath(u"forecast.json"_qs);
    QVERIFY(write(path + u".bad"_qs, "older"));
    QVERIFY(write(path, bytes));
    const EveningStore::Loaded loaded = EveningStore(path).load(Now);
    QVERIFY(loaded.evening == Evening{});
    QVERIFY2(loaded.notice.startsWith(u"Сохранённый прогноз не прочитан ("_qs),
             qPrintable(loaded.notice));
    QVERIFY2(loaded.notice.endsWith(u"; файл отложен как forecast.json.bad.2"_qs),
             qPrintable(loaded.notice));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(read(path + u".bad"_qs), QByteArray("older"));
    QCOMPARE(read(path + u".bad.2"_qs), bytes);
}

void TestEvening::setAsideTakesTheNextFreeName_data() {
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none taken") << QStringList{} << u"forecast.json.bad"_qs;
    QTest::newRow("a folder in the way") << QStringList{u".bad/"_qs} << u"forecast.json.bad.2"_qs;
    QTest::newRow("a gap is used")
        << QStringList{u".bad"_qs, u".bad.3"_qs} << u"forecast.json.bad.2"_qs;
    QTest::newRow("a link to nowhere counts as taken")
        << QStringList{u".bad"_qs, u".bad.2@"_qs} << u"forecast.json.bad.3"_qs;
}

void TestEvening::setAsideTakesTheNextFreeName() {
    QFETCH(QStringList, taken);
    QFETCH(QString, expected);
    TempProgramFolder root;
    const QString path = root.filePath(u"forecast.json"_qs);
    for (QString name : taken) {
        if (name.endsWith(u'/')) {
            QVERIFY(QDir().mkpath(path + name + u"inside"_qs));
        } else if (name.endsWith(u'@')) {
            if (!makeSymbolicLink(root.filePath(u"nowhere"_qs), path + name.chopped(1)))
                QSKIP("no symbolic link can be made here");
        } else {
            QVERIFY(write(path + name, "older"));
        }
    }
    QVERIFY(write(path, "{}"));
    const EveningStore::Loaded loaded = EveningStore(path).load(Now);
    QVERIFY(loaded.notice.endsWith(expected));
    QCOMPARE(read(root.filePath(expected)), QByteArray("{}"));
}

void TestEvening::fileThatCannotBeSetAsideIsNeverWrittenOver() {
    TempProgramFolder root;
    const QString path = root.filePath(u"forecast.json"_qs);
    QVERIFY(write(path, "{}"));
    bool renames = false;
    EveningStore store(path, [&](const QString& from, const QString& to) {
        return renames && QFile::rename(from, to);
    });
    const EveningStore::Loaded loaded = store.load(Now);
    QVERIFY(loaded.evening == Evening{});
    QVERIFY(loaded.notice.startsWith(u"Сохранённый прогноз не прочитан"_qs));
    QCOMPARE(read(path), QByteArray("{}"));

    // The first change is not kept, and says why; the unreadable file stays as it was.
    Evening evening;
    evening.mass = u"80"_qs;
    EveningStore::Saved saved = store.save(evening, Now);
    QVERIFY(!saved.ok);
    QVERIFY(!saved.problem.isEmpty());
    QCOMPARE(read(path), QByteArray("{}"));

    // Once it can be set aside, it is, and the evening takes its place.
    renames = true;
    saved = store.save(evening, Now);
    QVERIFY(saved.ok);
    QCOMPARE(saved.setAside, u"forecast.json.bad"_qs);
    QCOMPARE(read(path + u".bad"_qs), QByteArray("{}"));
    QVERIFY(EveningStore(path).load(Now).evening == evening);
}

void TestEvening::twoProgramsNeverOverwriteEachOther() {
    TempProgramFolder root;
    const QString path = root.filePath(u"forecast.json"_qs);
    Evening first;
    first.mass = u"70"_qs;
    first.drinks.append({Now.date(), u"21:00"_qs, u"Пиво 5%"_qs, u"500"_qs, u"5"_qs});
    QVERIFY(EveningStore(path).save(first, Now).ok);

    EveningStore a(path);
    EveningStore b(path);
    QVERIFY(a.load(Now).evening == first);
    QVERIFY(b.load(Now).evening == first);
    // B adds a drink and sets 90 kg.
    Evening theirs = first;
    theirs.drinks.append({Now.date(), u"21:30"_qs, u"Водка 40%"_qs, u"50"_qs, u"40"_qs});
    theirs.mass = u"90"_qs;
    QVERIFY(b.save(theirs, Now).ok);
    QVERIFY(b.save(theirs, Now).setAside.isEmpty()); // its own file is no stranger's

    // A, having seen nothing of it, changes its mass: its evening is written, B's is kept.
    Evening mine = first;
    mine.mass = u"75"_qs;
    const EveningStore::Saved saved = a.save(mine, Now);
    QVERIFY(saved.ok);
    QCOMPARE(saved.setAside, u"forecast.json.other"_qs);
    QCOMPARE(readEvening(read(path), Now).evening, mine);
    QCOMPARE(readEvening(read(path + u".other"_qs), Now).evening, theirs);

    // B has nothing unkept: it takes A's evening as the newer one, and then writes over it.
    const std::optional<Evening> newer = b.newer(Now);
    QVERIFY(newer);
    QCOMPARE(*newer, mine);
    QVERIFY(!b.newer(Now));
    Evening next = *newer;
    next.planned = u"09:00"_qs;
    const EveningStore::Saved again = b.save(next, Now);
    QVERIFY(again.ok);
    QCOMPARE(again.setAside, QString());
    QVERIFY(!QFileInfo::exists(path + u".other.2"_qs));
}

void TestEvening::missingFileGivesFreshWindowQuietly() {
    TempProgramFolder root;
    const EveningStore::Loaded loaded = EveningStore(root.filePath(u"forecast.json"_qs)).load(Now);
    QVERIFY(loaded.evening == Evening{});
    QCOMPARE(loaded.notice, QString());
    QVERIFY(QDir(root.path()).isEmpty());
}

void TestEvening::saveRefusesLinksAndEveningsTheFileCannotHold_data() {
    QTest::addColumn<QString>("linkTo");
    QTest::addColumn<Evening>("evening");
    QTest::addColumn<QString>("problem");
    Evening longText;
    longText.mass = QString(EveningTextLimit + 1, u'9');
    Evening farOff;
    farOff.drinks.append({QDate(9999, 9, 9), u"21:00"_qs, u"Пиво"_qs, u"500"_qs, u"5"_qs});
    Evening farReading;
    farReading.measurements.append({QDate(9999, 9, 9), u"21:00"_qs, u"0,2"_qs});
    Evening manyReadings;
    manyReadings.measurements.fill({}, EveningMeasurementLimit + 1);
    Evening control;
    control.mass = u"8"_qs + QChar(0) + u"0"_qs;
    QTest::newRow("link to a file")
        << u"target"_qs << Evening{} << u"forecast.json — символическая ссылка"_qs;
    QTest::newRow("link to nowhere")
        << u"nowhere"_qs << Evening{} << u"forecast.json — символическая ссылка"_qs;
    QTest::newRow("text too long") << QString() << longText << u"текст длиннее 100 знаков"_qs;
    QTest::newRow("drink in 9999")
        << QString() << farOff << u"дата напитка или замера слишком далеко"_qs;
    QTest::newRow("reading in 9999")
        << QString() << farReading << u"дата напитка или замера слишком далеко"_qs;
    QTest::newRow("101 readings") << QString() << manyReadings << u"больше 100 замеров"_qs;
    QTest::newRow("NUL in a text") << QString() << control << u"недопустимые знаки в тексте"_qs;
}

void TestEvening::saveRefusesLinksAndEveningsTheFileCannotHold() {
    QFETCH(QString, linkTo);
    QFETCH(Evening, evening);
    QFETCH(QString, problem);
    TempProgramFolder root;
    const QString path = root.filePath(u"forecast.json"_qs);
    const QString target = root.filePath(u"target"_qs);
    QVERIFY(write(target, "old"));
    if (linkTo.isEmpty())
        QVERIFY(write(path, "old"));
    else if (!makeSymbolicLink(root.filePath(linkTo), path))
        QSKIP("no symbolic link can be made here");

    const EveningStore::Saved saved = EveningStore(path).save(evening, Now);
    QVERIFY(!saved.ok);
    QCOMPARE(saved.problem, problem);
    QCOMPARE(read(target), QByteArray("old"));
    QCOMPARE(read(path), linkTo == u"nowhere" ? QByteArray("<none>") : QByteArray("old"));
    QCOMPARE(QFileInfo(path).isSymLink(), !linkTo.isEmpty());
    QVERIFY(!QFileInfo::exists(root.filePath(u"nowhere"_qs)));
}

void TestEvening::failedWriteSaysWhyAndKeepsTheOldFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a folder in the file's place")
        << u"forecast.json/"_qs << u"на месте файла forecast.json папка"_qs;
    QTest::newRow("a file in the folder's place")
        << u"blocked/forecast.json"_qs << u"не удалось создать папку"_qs;
}

void TestEvening::failedWriteSaysWhyAndKeepsTheOldFile() {
    QFETCH(QString, name);
    QFETCH(QString, problem);
    TempProgramFolder root;
    QVERIFY(write(root.filePath(u"blocked"_qs), "a file"));
    if (name.endsWith(u'/'))
        QVERIFY(QDir().mkpath(root.filePath(name + u"inside"_qs)));
    const QString path = root.filePath(name.endsWith(u'/') ? name.chopped(1) : name);
    EveningStore store(path);
    store.load(Now);
    const EveningStore::Saved saved = store.save(Evening{}, Now);
    QVERIFY(!saved.ok);
    QVERIFY2(saved.problem.startsWith(problem), qPrintable(saved.problem));
    QCOMPARE(read(root.filePath(u"blocked"_qs)), QByteArray("a file"));
}

QTEST_APPLESS_MAIN(TestEvening)
#include "tst_evening.moc"
