// libFuzzer entry point for the help viewer's RTF reader: every input is read into a document that is
// then laid out, and the shown text must hold nothing the text view cannot show. A crash, a hang, a
// sanitizer report or a broken invariant is a finding.
#include "dialogs/RtfReader.h"
#include "support/ShowableText.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Laying the document out needs fonts, and fonts need an application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument document;
    RtfReader::read(QByteArrayView(data, static_cast<qsizetype>(size)), document);
    document.setTextWidth(500);
    if (document.size().width() < 0 || !showable(document.toPlainText()))
        std::abort();
    return 0;
}
