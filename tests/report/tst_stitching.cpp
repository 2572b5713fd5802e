#include "report/stitching.h"
#include "testregistry.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString slice(const QTemporaryDir &dir, const QString &name, int height, QColor color)
{
    QImage image(40, height, QImage::Format_ARGB32);
    image.fill(color);
    image.save(dir.filePath(name), "PNG");
    return dir.filePath(name);
}

int existing(const QStringList &files)
{
    return std::count_if(files.begin(), files.end(), [](const QString &f) { return QFile::exists(f); });
}

} // namespace

class TestStitching : public QObject {
    Q_OBJECT

private slots:
    void slicesLandAtScaledPositionsLaterOnTop()
    {
        QTemporaryDir dir;
        const QStringList files{slice(dir, "0.png", 1600, Qt::red), slice(dir, "1.png", 1600, Qt::green),
                                slice(dir, "2.png", 1600, Qt::blue)};
        // 1600 px for 800 logical units is scale 2: content 2000 gives 4000 px, position 1200 y = 2400.
        QVERIFY(stitchVertical(files, {0, 600, 1200}, dir.filePath("page.png"), 800, 2000));
        const QImage page(dir.filePath("page.png"));
        QCOMPARE(page.height(), 4000);
        QCOMPARE(page.pixelColor(5, 1199), QColor(Qt::red));
        QCOMPARE(page.pixelColor(5, 1200), QColor(Qt::green));
        QCOMPARE(page.pixelColor(5, 2400), QColor(Qt::blue));
        QCOMPARE(existing(files), 0);

        // Content shorter than the viewport: as high as the first slice. Halves round up.
        QVERIFY(stitchVertical({slice(dir, "a.png", 900, Qt::red)}, {0}, dir.filePath("p.png"), 600, 300));
        QCOMPARE(QImage(dir.filePath("p.png")).height(), 900);
        QVERIFY(stitchVertical({slice(dir, "b.png", 900, Qt::red)}, {0}, dir.filePath("p.png"), 600, 1001));
        QCOMPARE(QImage(dir.filePath("p.png")).height(), 1502);
        QCOMPARE(roundHalfUp(-2.5), -2);
    }

    void earlyFailuresKeepTheSlices()
    {
        QTemporaryDir dir;
        const QStringList files{slice(dir, "0.png", 100, Qt::red), slice(dir, "1.png", 100, Qt::red),
                                slice(dir, "2.png", 100, Qt::red)};
        QVERIFY(!stitchVertical(files, {0, 50}, dir.filePath("page.png"), 100, 300));
        QVERIFY(!stitchVertical(files, {0, 50, 100}, dir.filePath("page.png"), 0, 300));
        QFile broken(dir.filePath("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
        broken.close();
        QVERIFY(!stitchVertical({broken.fileName(), files[1]}, {0, 50}, dir.filePath("page.png"), 100, 300));
        QCOMPARE(existing(files + QStringList{broken.fileName()}), 4);
        QVERIFY(!QFile::exists(dir.filePath("page.png")));
    }

    void laterFailuresStillCleanUp()
    {
        QTemporaryDir dir;
        QStringList files{slice(dir, "0.png", 200, Qt::red), dir.filePath("gone.png"),
                          dir.filePath("gone2.png")};
        QVERIFY(stitchVertical(files, {0, 100, 200}, dir.filePath("page.png"), 200, 400));
        QCOMPARE(QImage(dir.filePath("page.png")).pixelColor(1, 399).alpha(), 0); // never drawn
        QCOMPARE(existing(files), 0);

        files = QStringList{slice(dir, "0.png", 100, Qt::red), slice(dir, "1.png", 100, Qt::blue)};
        QVERIFY(!stitchVertical(files, {0, 100}, dir.filePath("no/such/folder/page.png"), 100, 200));
        QCOMPARE(existing(files), 0);
    }
};

KELVARO_TEST(TestStitching)
#include "tst_stitching.moc"
