#include "app/Translations.h"
#include "console/frmConsole.h"
#include "dialogs/ChooseKeyDesign.h"
#include "dialogs/RichTextBox.h"
#include "dialogs/SplashLogo.h"
#include "dialogs/frmChooseKey.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmSplash.h"
#include "support/BoardFixture.h"
#include "support/FakeDialogPrompts.h"
#include "support/OptionsFixture.h"
#include "widgets/ComboBox.h"
#include "widgets/Frame.h"
#include "widgets/Label.h"
#include "widgets/TabControl.h"
#include "widgets/TabPage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Below this a caption shrunk to fit its box is no longer comfortably read: the translation is too long.
constexpr double SmallestReadablePoints = 6.0;

// The program's translation for one language, as the program installs it, for the lifetime of this object.
class InstalledLanguage
{
public:
    explicit InstalledLanguage(const QString &language)
    {
        QLocale::setDefault(QLocale(language));
        installed = Translations::install(*qApp, QStringLiteral(VANTARO_BUILD_DIR "/src/app"), QLocale(language));
    }
    ~InstalledLanguage()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
    }
    QStringList installed;
};

QString tooLong(const QWidget *element, const QString &text, double points)
{
    return u"%1 \"%2\" at %3 pt"_s.arg(element->objectName(), text).arg(points);
}

QRect buttonContents(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    return button->style()->subElementRect(contents, &option, button);
}

// Every caption of the window's visible elements lies inside its element's box, in a readable font. Returns what
// does not, empty when all fit.
QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    const auto check = [&clipped](bool fits, const QWidget *element, const QString &text, const QFont &font) {
        if (!fits || font.pointSizeF() < SmallestReadablePoints)
            clipped.append(tooLong(element, text, font.pointSizeF()));
    };
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisible())
            continue;
        const QRect room = buttonContents(button);
        const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        check(needed.width() <= room.width() && needed.height() <= button->height(), button, button->text(),
              button->font());
    }
    for (Frame *frame : window->findChildren<Frame *>()) {
        if (frame->isVisible())
            check(frame->captionRect().right() + 8 <= frame->width(), frame, frame->title(), frame->captionFont());
    }
    for (Label *label : window->findChildren<Label *>()) {
        if (!label->isVisible() || label->autoSize())
            continue;
        const int border = label->borderStyle() == Label::FixedSingle ? 2 : 0;
        const QRect room = label->rect().adjusted(border, border, -border, -border);
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = label->fontMetrics().boundingRect(room, flags, label->caption());
        check(needed.width() <= room.width() && needed.height() <= room.height(), label, label->caption(),
              label->font());
    }
    for (ComboBox *list : window->findChildren<ComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect room
            = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (const QString &item : list->items())
            check(list->fontMetrics().horizontalAdvance(item) <= room.width(), list, item, list->font());
    }
    for (TabControl *tabs : window->findChildren<TabControl *>()) {
        const QList<TabPage *> pages = tabs->findChildren<TabPage *>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < pages.size(); ++i) {
            const int needed = tabs->fontMetrics().horizontalAdvance(pages[i]->caption()) + 8;
            check(needed <= tabs->tabRect(i).width() && tabs->tabRect(i).right() < tabs->width(), tabs,
                  pages[i]->caption(), tabs->font());
        }
    }
    return clipped;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void helpDocumentForTheLocale_data();
    void helpDocumentForTheLocale();
    void dialogsSpeakGerman();
    void everyCaptionFits_data();
    void everyCaptionFits();
};

void TestTranslations::helpDocumentForTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("English") << u"en_US"_s << QStringList {u"vantarohelpfile.rtf"_s};
    QTest::newRow("no locale") << u"C"_s << QStringList {u"vantarohelpfile.rtf"_s};
    QTest::newRow("German") << u"de_DE"_s
                            << QStringList {u"vantarohelpfile.de_DE.rtf"_s, u"vantarohelpfile.de.rtf"_s,
                                            u"vantarohelpfile.rtf"_s};
    QTest::newRow("Brazilian Portuguese")
        << u"pt_BR"_s
        << QStringList {u"vantarohelpfile.pt_BR.rtf"_s, u"vantarohelpfile.pt.rtf"_s, u"vantarohelpfile.rtf"_s};
}

void TestTranslations::helpDocumentForTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, names);
    QCOMPARE(frmHelp::fileNames(QLocale(locale)), names);
}

void TestTranslations::dialogsSpeakGerman()
{
    InstalledLanguage german(u"de_DE"_s);
    QVERIFY(german.installed.contains(u"vantaro"_s));

    OptionsFixture options;
    frmOptions &dialog = options.open();
    QCOMPARE(dialog.windowTitle(), u"Optionen"_s);
    QCOMPARE(options.find<QPushButton>(u"cmdOk"_s)->text(), u"&OK"_s);
    QCOMPARE(options.find<QPushButton>(u"cmdCancel"_s)->text(), u"&Abbrechen"_s);
    QStringList tabs;
    for (const TabPage *page : options.find<TabControl>(u"SSTab1"_s)->findChildren<TabPage *>())
        tabs.append(page->caption());
    QCOMPARE(
        tabs,
        QStringList({u"Tasten"_s, u"Farben"_s, u"Texte"_s, u"Bilder"_s, u"Bildschirme"_s, u"Regeln"_s, u"Feed"_s}));
    // The list shows the word in German and keeps the stored one.
    auto *modes = options.find<ComboBox>(u"cmbRulesMode"_s);
    QCOMPARE(modes->itemText(1), u"Halle"_s);
    QCOMPARE(modes->itemData(1).toString(), u"Indoor"_s);

    FakeDialogPrompts prompts;
    frmChooseKey chooser(ChooseKeyDesign::window(), QCoreApplication::translate("frmOptions", "sound the buzzer"), 66,
                         {}, prompts);
    QCOMPARE(chooser.findChild<Label *>(u"lblChoose"_s)->caption(),
             u"Drücken Sie die Taste, mit der Sie die Hupe ertönen lassen möchten."_s);

    BoardFixture board;
    frmConsole console(board.settings, board.match, board.services());
    QCOMPARE(console.windowTitle(), u"Vantaro-Konsole"_s);

    // The German help document from the program's assets.
    frmHelp help(QStringLiteral(VANTARO_ASSETS_DIR));
    QCOMPARE(help.windowTitle(), u"Vantaro-Hilfe"_s);
    QTRY_VERIFY(!help.isLoading());
    QVERIFY2(help.rtbHelp()->text().startsWith(u"Vantaro-Hilfe\n"_s), qPrintable(help.rtbHelp()->text().left(80)));
}

void TestTranslations::everyCaptionFits_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "fr", "it", "es", "pt_BR", "pl", "nl"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTranslations::everyCaptionFits()
{
    QFETCH(QString, language);
    InstalledLanguage installed(language);
    QVERIFY(installed.installed.contains(u"vantaro"_s));

    QTemporaryDir folder;
    SettingsStore store(folder.filePath(u"Vantaro.ini"_s));
    Settings settings;
    SplashLogo noLogo;
    frmSplash splash(store, settings, noLogo);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QStringList clipped = clippedTexts(&splash);

    OptionsFixture options;
    frmOptions &dialog = options.open();
    auto *tabs = options.find<TabControl>(u"SSTab1"_s);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentTab(tab);
        clipped += clippedTexts(&dialog);
    }

    FakeDialogPrompts prompts;
    for (const char *phrase : {"switch between clock and game time", "take a timeout for the visitor"}) {
        frmChooseKey chooser(ChooseKeyDesign::window(), QCoreApplication::translate("frmOptions", phrase), 66, {},
                             prompts);
        chooser.show();
        chooser.findChild<Label *>(u"lblUsed"_s)->show();
        clipped += clippedTexts(&chooser);
    }
    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "testTranslations.moc"
