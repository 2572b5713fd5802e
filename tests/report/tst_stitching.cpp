#include "report/stitching.h"
#include "testregistry.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString slice(const QTemporaryDir &dir, const QString &name, int height, QColor color, int width = 40)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    image.save(path, "PNG");
    return path;
}

bool allExist(const QStringList &files)
{
    return std::all_of(files.begin(), files.end(), [](const QString &f) { return QFile::exists(f); });
}

bool noneExists(const QStringList &files)
{
    return std::none_of(files.begin(), files.end(), [](const QString &f) { return QFile::exists(f); });
}

} // namespace

class TestStitching : public QObject {
    Q_OBJECT

private slots:
    void rounding()
    {
        QCOMPARE(roundHalfUp(2.5), 3);
        QCOMPARE(roundHalfUp(-2.5), -2);
        QCOMPARE(roundHalfUp(-2.6), -3);
        QCOMPARE(roundHalfUp(2399.5), 2400);
    }

    void slicesLandAtScaledPositionsLaterOnTop()
    {
        QTemporaryDir dir;
        const QStringList files{slice(dir, "0.png", 1600, Qt::red), slice(dir, "1.png", 1600, Qt::green),
                                slice(dir, "2.png", 1600, Qt::blue)};
        const QString out = dir.filePath("page.png");
        // 1600 px for 800 logical units: scale 2; content 2000 → 4000 px.
        QVERIFY(stitchVertical(files, {0, 600, 1200}, out, 800, 2000));
        const QImage page(out);
        QCOMPARE(page.size(), QSize(40, 4000));
        QCOMPARE(page.pixelColor(5, 1199), QColor(Qt::red));
        QCOMPARE(page.pixelColor(5, 1200), QColor(Qt::green));
        QCOMPARE(page.pixelColor(5, 2399), QColor(Qt::green));
        QCOMPARE(page.pixelColor(5, 2400), QColor(Qt::blue));
        QCOMPARE(page.pixelColor(5, 3999), QColor(Qt::blue));
        QVERIFY(noneExists(files));
    }

    void shortContentGivesTheFirstSlicesHeight()
    {
        QTemporaryDir dir;
        const QStringList files{slice(dir, "0.png", 900, Qt::red)};
        const QString out = dir.filePath("page.png");
        QVERIFY(stitchVertical(files, {0}, out, 600, 300));
        QCOMPARE(QImage(out).height(), 900);
        // Fractional scale: 900/600 × 1001 = 1501.5 rounds up.
        const QStringList more{slice(dir, "a.png", 900, Qt::red)};
        QVERIFY(stitchVertical(more, {0}, out, 600, 1001));
        QCOMPARE(QImage(out).height(), 1502);
    }

    void badArgumentsTouchNothing()
    {
        QTemporaryDir dir;
        const QStringList files{slice(dir, "0.png", 100, Qt::red), slice(dir, "1.png", 100, Qt::red),
                                slice(dir, "2.png", 100, Qt::red)};
        const QString out = dir.filePath("page.png");
        QVERIFY(!stitchVertical(files, {0, 50}, out, 100, 300));
        QVERIFY(!stitchVertical({}, {}, out, 100, 300));
        QVERIFY(!stitchVertical(files, {0, 50, 100}, out, 0, 300));
        QVERIFY(!stitchVertical(files, {0, 50, 100}, out, -1, 300));
        QVERIFY(allExist(files));
        QVERIFY(!QFile::exists(out));

        // An unreadable first slice: the rest stays for another try.
        QFile broken(dir.filePath("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        QVERIFY(!stitchVertical({broken.fileName(), files[1]}, {0, 50}, out, 100, 300));
        QVERIFY(allExist({broken.fileName(), files[1]}));
    }

    void missingLaterSlicesLeaveTheFirstAlone()
    {
        QTemporaryDir dir;
        const QStringList files{slice(dir, "0.png", 200, Qt::red), dir.filePath("gone.png"),
                                dir.filePath("gone2.png")};
        const QString out = dir.filePath("page.png");
        QVERIFY(stitchVertical(files, {0, 100, 200}, out, 200, 400));
        const QImage page(out);
        QCOMPARE(page.height(), 400);
        QCOMPARE(page.pixelColor(1, 199), QColor(Qt::red));
        QCOMPARE(page.pixelColor(1, 200).alpha(), 0); // never drawn: transparent
        QVERIFY(noneExists(files));
    }

    void unwritableOutputStillCleansUp()
    {
        QTemporaryDir dir;
        const QStringList files{slice(dir, "0.png", 100, Qt::red), slice(dir, "1.png", 100, Qt::blue)};
        QVERIFY(!stitchVertical(files, {0, 100}, dir.filePath("no/such/folder/page.png"), 100, 200));
        QVERIFY(noneExists(files));
    }
};

KELVARO_TEST(TestStitching)
#include "tst_stitching.moc"
