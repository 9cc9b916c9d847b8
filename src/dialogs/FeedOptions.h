#pragma once

#include <QObject>
#include <QString>

#include <optional>

class CommonDialog;
class DialogPrompts;
class Label;
class OptionButton;
class TextBox;
struct FeedSettings;

// The Feed tab of the options dialog: the live feed on or off, who can reach it, its port, the remote's
// PIN (a random one when none is kept yet; New PIN draws another) and the folder of the text files for
// streaming tools, with the address to open in a browser. It works on the tab's elements alone, so
// that the dialog only loads, checks and applies it.
class FeedOptions : public QObject
{
    Q_OBJECT

public:
    static constexpr qint32 LowestPort = 1024;
    static constexpr qint32 HighestPort = 65535;

    // The tab's elements are found among the dialog's children; the pickers and prompts must outlive
    // this.
    FeedOptions(QWidget *dialog, CommonDialog &pickers, DialogPrompts &prompts);

    void load(const FeedSettings &feed);
    // False, once the operator has been told why and the field is selected, when the port or the PIN
    // cannot be taken.
    bool check();
    void apply(FeedSettings &feed) const;

private:
    template<typename Element> Element *find(const char *name) const;
    std::optional<qint32> port() const;
    void showAddress();
    void showFolder();
    void chooseFolder();
    void refuse(TextBox *field, const QString &message);

    QWidget *m_dialog;
    CommonDialog &m_pickers;
    DialogPrompts &m_prompts;
    OptionButton *m_off;
    OptionButton *m_on;
    OptionButton *m_local;
    OptionButton *m_lan;
    TextBox *m_port;
    TextBox *m_pin;
    Label *m_folder;
    Label *m_address;
    QString m_textFolder;
};
