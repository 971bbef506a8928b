#include "testapplication.h"

#include "app/readypicture.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPixmap>

class TestReadyPicture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void readyCopyShowsWhatItsPictureShows_data();
    void readyCopyShowsWhatItsPictureShows();
    void picturesOfTheOpeningWindowAreStoredReady_data();
    void picturesOfTheOpeningWindowAreStoredReady();
    void pictureWithoutReadyCopyIsDecoded();

private:
    std::unique_ptr<TestApplication> t;
};

void TestReadyPicture::initTestCase() {
    // The application registers the embedded pictures.
    t = std::make_unique<TestApplication>();
}

void TestReadyPicture::readyCopyShowsWhatItsPictureShows_data() {
    QTest::addColumn<QString>("path");
    QDirIterator ready(u":/ready"_qs, QDir::Files, QDirIterator::Subdirectories);
    while (ready.hasNext()) {
        const QString path = u":"_qs + ready.next().mid(QStringLiteral(":/ready").size());
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestReadyPicture::readyCopyShowsWhatItsPictureShows() {
    // A ready copy left behind when its picture is redrawn would show the old picture.
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), "a ready copy without its picture");
    const QImage ready = readypicture::readyImage(path);
    QVERIFY(!ready.isNull());
    const QImage decoded = QPixmap(path).toImage();
    QVERIFY(!decoded.isNull());
    QCOMPARE(QPixmap::fromImage(ready).toImage(), decoded);
    QCOMPARE(readypicture::pixmap(path).toImage(), decoded);
}

void TestReadyPicture::picturesOfTheOpeningWindowAreStoredReady_data() {
    QTest::addColumn<QString>("path");
    for (const char* path : {":/chrome/titlestrip.gif", ":/chrome/icon.gif", ":/chrome/close.gif",
                             ":/chrome/minimize.gif", ":/chrome/hand.png", ":/chrome/promille.png",
                             ":/chrome/stilllife-main.gif"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestReadyPicture::picturesOfTheOpeningWindowAreStoredReady() {
    // Decoding one of them at start would load the image-format plugins first.
    QFETCH(QString, path);
    QVERIFY(!readypicture::readyImage(path).isNull());
}

void TestReadyPicture::pictureWithoutReadyCopyIsDecoded() {
    const QString path = u":/cursors/cellhand.png"_qs;
    QVERIFY(readypicture::readyImage(path).isNull());
    const QPixmap shown = readypicture::pixmap(path);
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.toImage(), QPixmap(path).toImage());
}

QTEST_MAIN(TestReadyPicture)
#include "tst_readypicture.moc"
