#include "settings/FeedPin.h"
#include "support/OptionsFixture.h"
#include "widgets/Label.h"
#include "widgets/OptionButton.h"
#include "widgets/TabControl.h"
#include "widgets/TextBox.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

// The Feed tab of the options dialog, driven as the operator would: what it shows, what OK keeps and
// what it refuses to keep.
class TestFeedOptions : public QObject
{
    Q_OBJECT

private slots:
    void firstOpeningDrawsAPinThatOkKeeps();
    void okKeepsTheTabsValues();
    void cancelKeepsNothing();
    void refusesWhatCannotBeKept_data();
    void refusesWhatCannotBeKept();
};

void TestFeedOptions::firstOpeningDrawsAPinThatOkKeeps()
{
    OptionsFixture fixture;
    QVERIFY(fixture.settings.Feed.Pin.isEmpty());
    fixture.open();
    const QString shown = fixture.find<TextBox>(u"txtFeedPin"_s)->text();
    QVERIFY2(FeedPin::isValid(shown), qPrintable(shown));
    QVERIFY(fixture.find<OptionButton>(u"optFeedOff"_s)->isChecked());
    QVERIFY(fixture.find<OptionButton>(u"optFeedLocal"_s)->isChecked());
    QCOMPARE(fixture.find<TextBox>(u"txtFeedPort"_s)->text(), u"8750"_s);
    QVERIFY(fixture.find<Label>(u"lblFeedAddress"_s)->caption().contains(u"http://127.0.0.1:8750/overlay"_s));
    fixture.click(u"cmdOk"_s);
    QCOMPARE(fixture.settings.Feed.Pin, shown);
    QCOMPARE(fixture.stored(u"Feed"_s, u"Pin"_s), shown);
    QCOMPARE(fixture.stored(u"Feed"_s, u"Enabled"_s), u"No"_s);
}

void TestFeedOptions::okKeepsTheTabsValues()
{
    OptionsFixture fixture;
    fixture.settings.Feed.Pin = u"111111"_s;
    fixture.open();
    fixture.click(u"optFeedOn"_s);
    fixture.click(u"optFeedLAN"_s);
    fixture.type(u"txtFeedPort"_s, u"9000"_s);
    QVERIFY(fixture.find<Label>(u"lblFeedAddress"_s)->caption().contains(u":9000/overlay"_s));
    fixture.click(u"cmdNewPin"_s);
    const QString pin = fixture.find<TextBox>(u"txtFeedPin"_s)->text();
    QVERIFY(FeedPin::isValid(pin));
    fixture.pickers->folderAnswers = {fixture.folder()};
    fixture.click(u"cmdFeedFolder"_s);
    fixture.click(u"cmdOk"_s);

    QCOMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    const FeedSettings &feed = fixture.settings.Feed;
    QVERIFY(feed.Enabled);
    QCOMPARE(feed.Network, FeedNetwork::LAN);
    QCOMPARE(feed.Port, 9000);
    QCOMPARE(feed.Pin, pin);
    QCOMPARE(feed.TextFolder, fixture.folder());
    QCOMPARE(fixture.stored(u"Feed"_s, u"Network"_s), u"LAN"_s);
    QCOMPARE(fixture.stored(u"Feed"_s, u"TextFolder"_s), fixture.folder());
}

void TestFeedOptions::cancelKeepsNothing()
{
    OptionsFixture fixture;
    fixture.settings.Feed.Pin = u"222222"_s;
    fixture.settings.Feed.TextFolder = fixture.folder();
    fixture.open();
    fixture.click(u"optFeedOn"_s);
    fixture.click(u"cmdNewPin"_s);
    fixture.click(u"cmdClearFeedFolder"_s);
    fixture.click(u"cmdCancel"_s);
    QVERIFY(!fixture.settings.Feed.Enabled);
    QCOMPARE(fixture.settings.Feed.Pin, u"222222"_s);
    QCOMPARE(fixture.settings.Feed.TextFolder, fixture.folder());
}

void TestFeedOptions::refusesWhatCannotBeKept_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("port below 1024") << u"txtFeedPort"_s << u"80"_s;
    QTest::newRow("port above 65535") << u"txtFeedPort"_s << u"70000"_s;
    QTest::newRow("port not a number") << u"txtFeedPort"_s << u"87a"_s;
    QTest::newRow("port empty") << u"txtFeedPort"_s << QString();
    QTest::newRow("PIN of five digits") << u"txtFeedPin"_s << u"12345"_s;
    QTest::newRow("PIN with a letter") << u"txtFeedPin"_s << u"12a456"_s;
}

void TestFeedOptions::refusesWhatCannotBeKept()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    OptionsFixture fixture;
    fixture.settings.Feed.Pin = u"333333"_s;
    fixture.open();
    fixture.type(u"txtTitleText"_s, u"Changed"_s);
    fixture.type(field, text);
    fixture.click(u"optFeedOn"_s);
    // OK pressed from another tab: the Feed tab comes forward with the field to correct.
    fixture.click(u"optNormal"_s);
    fixture.click(u"cmdOk"_s);

    QVERIFY(fixture.dialog->isVisible());
    QCOMPARE(fixture.prompts.warnings.size(), 1);
    auto *tabs = fixture.find<TabControl>(u"SSTab1"_s);
    const auto pages = tabs->findChildren<TabPage *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(tabs->currentTab(), pages.indexOf(fixture.find<TabPage>(u"tabFeed"_s)));
    QCOMPARE(QApplication::focusWidget(), fixture.find(field));
    QCOMPARE(fixture.settings.TitleText, u"Home"_s);
    QVERIFY(!fixture.settings.Feed.Enabled);
    QVERIFY(!QFileInfo::exists(fixture.storePath));
}

QTEST_MAIN(TestFeedOptions)
#include "testFeedOptions.moc"
