#include "widgets/DesignFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDesignFont : public QObject
{
    Q_OBJECT

private slots:
    void asksForAnInstalledFamilyThatDrawsTheSame_data();
    void asksForAnInstalledFamilyThatDrawsTheSame();
};

void TestDesignFont::asksForAnInstalledFamilyThatDrawsTheSame_data()
{
    // The machine has the Liberation fonts (the build installs them), and may have the classic ones.
    QTest::addColumn<QString>("designFamily");
    QTest::addColumn<bool>("installed");
    QTest::newRow("Arial") << u"Arial"_s << true;
    QTest::newRow("Times New Roman") << u"Times New Roman"_s << true;
    QTest::newRow("Courier New") << u"Courier New"_s << true;
    QTest::newRow("in other case") << u"ARIAL"_s << true;
    QTest::newRow("installed itself") << u"Liberation Sans"_s << true;
    QTest::newRow("unknown: left to Qt") << u"No Such Family"_s << false;
}

void TestDesignFont::asksForAnInstalledFamilyThatDrawsTheSame()
{
    QFETCH(QString, designFamily);
    QFETCH(bool, installed);
    const QString family = DesignFont::installedFamily(designFamily);
    if (installed)
        QVERIFY2(QFontDatabase::families().contains(family), qPrintable(family));
    else
        QCOMPARE(family, designFamily);
    // Never another font than Qt draws for the design's name.
    QCOMPARE(QFontInfo(QFont(family)).family(), QFontInfo(QFont(designFamily)).family());
}

QTEST_MAIN(TestDesignFont)
#include "testDesignFont.moc"
