#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString PackageName = u"vantaro"_s;
const QString Version = u"%1.%2.%3"_s.arg(VANTARO_VERSION_MAJOR).arg(VANTARO_VERSION_MINOR).arg(VANTARO_VERSION_PATCH);

struct Run
{
    int exitCode = -1;
    QString output;
};

// Runs a tool to its end, standard output and error together.
Run run(const QString &program, const QStringList &arguments, int timeoutMilliseconds = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DEBIAN_FRONTEND"_s, u"noninteractive"_s);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return {-1, u"%1 did not finish"_s.arg(program)};
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromLocal8Bit(process.readAll())};
}

bool installed(const QString &package)
{
    return run(u"dpkg-query"_s, {u"-W"_s, u"-f=${Status}"_s, package}).output.contains(u"install ok installed"_s);
}

// The names of the packages a Depends-like field names, alternatives included, versions left out.
QStringList namedPackages(const QString &field)
{
    QStringList names;
    for (const QString &alternative : field.split(QRegularExpression(u"[,|]"_s), Qt::SkipEmptyParts)) {
        const QString name = alternative.trimmed().section(u' ', 0, 0).section(u':', 0, 0);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

// The installed packages that package needs, directly or through others, itself included.
QSet<QString> dependencyClosure(const QString &package)
{
    QHash<QString, QStringList> needs;
    QHash<QString, QStringList> providers;
    const QString fields
        = run(u"dpkg-query"_s, {u"-W"_s, u"-f=${Package}\\t${Depends}, ${Pre-Depends}\\t${Provides}\\n"_s}).output;
    for (const QString &line : fields.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(u'\t');
        if (parts.size() != 3)
            continue;
        needs[parts[0]] += namedPackages(parts[1]);
        for (const QString &provided : namedPackages(parts[2]))
            providers[provided].append(parts[0]);
    }
    QSet<QString> closure;
    QStringList pending {package};
    while (!pending.isEmpty()) {
        const QString next = pending.takeLast();
        if (closure.contains(next))
            continue;
        closure.insert(next);
        pending += needs.value(next);
        pending += providers.value(next);
    }
    return closure;
}

// The lines of `dpkg-query --search` for those of files whose package the program's Depends do not reach,
// or that no package owns.
QStringList unreachedOwners(const QSet<QString> &files)
{
    // The database keeps many libraries under /lib, which is /usr/lib on a merged system.
    QStringList patterns;
    for (const QString &file : files)
        patterns.append(u"*"_s + (file.startsWith(u"/usr/"_s) ? file.mid(4) : file));
    const QSet<QString> reached = dependencyClosure(PackageName);
    QStringList unreached;
    for (const QString &line : run(u"dpkg-query"_s, QStringList {u"--search"_s} + patterns).output.split(u'\n')) {
        const qsizetype colon = line.lastIndexOf(u": /"_s);
        if (line.startsWith(u"diversion"_s) || line.isEmpty())
            continue;
        const QStringList owners = line.left(colon).split(u", "_s);
        const bool known = colon > 0 && std::any_of(owners.begin(), owners.end(), [&](const QString &owner) {
                               return reached.contains(owner.section(u':', 0, 0));
                           });
        if (!known)
            unreached.append(line);
    }
    return unreached;
}

} // namespace

// The Debian package as a user gets it: built by CPack from this build (stripped; scripts/package builds
// the same from a Release build), checked with lintian, installed with dpkg, started from
// /usr/bin/vantaro on the X server, closed and removed again. It installs into the machine itself, so it
// runs only as root, as CI does, and only when no vantaro package is installed already.
class TestDebianPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void controlFields_data();
    void controlFields();
    void contents_data();
    void contents();
    void lintianFindsNoErrors();
    void installsStartsClosesAndRemoves();

private:
    void dpkgDeb(const QStringList &arguments, QString &output);

    QTemporaryDir m_work;
    QString m_package;
    bool m_installedByTest = false;
};

void TestDebianPackage::initTestCase()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("the package is built from the plain build, not from the sanitizer build");
#endif
    if (geteuid() != 0)
        QSKIP("installs a package into this machine: run as root (CI runs scripts/test as root)");
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("needs an X server with a window manager (run through scripts/test)");
    for (const char *tool : {"dpkg-shlibdeps", "file", "lintian", "apt-get", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(u"needs %1 (scripts/test installs it)"_s.arg(QLatin1String(tool))));
    }
    if (installed(PackageName))
        QSKIP("a vantaro package is installed on this machine already; the test leaves it alone");
    QVERIFY(m_work.isValid());
    const Run cpack = run(QStringLiteral(VANTARO_CPACK_COMMAND),
                          {u"-G"_s, u"DEB"_s, u"-B"_s, m_work.path(), u"--config"_s,
                           QStringLiteral(VANTARO_BUILD_DIR "/CPackConfig.cmake")});
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
    m_package = m_work.filePath(u"vantaro_%1_amd64.deb"_s.arg(Version));
    QVERIFY2(QFileInfo::exists(m_package), qPrintable(cpack.output));
}

void TestDebianPackage::cleanupTestCase()
{
    if (m_installedByTest)
        run(u"dpkg"_s, {u"--purge"_s, PackageName});
}

void TestDebianPackage::dpkgDeb(const QStringList &arguments, QString &output)
{
    const Run result = run(u"dpkg-deb"_s, arguments);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    output = result.output;
}

void TestDebianPackage::controlFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("package") << u"Package"_s << u"^vantaro$"_s;
    QTest::newRow("version") << u"Version"_s << u"^%1$"_s.arg(QRegularExpression::escape(Version));
    QTest::newRow("architecture") << u"Architecture"_s << u"^amd64$"_s;
    // From dpkg-shlibdeps: the libraries the program links.
    QTest::newRow("depends on Qt Widgets") << u"Depends"_s << u"\\blibqt6widgets6 \\("_s;
    QTest::newRow("depends on Qt Multimedia") << u"Depends"_s << u"\\blibqt6multimedia6 \\("_s;
    QTest::newRow("depends on the C library") << u"Depends"_s << u"\\blibc6 \\("_s;
    // Named by hand: loaded or shown at run time without a library naming them.
    QTest::newRow("depends on the fonts") << u"Depends"_s << u"\\bfonts-liberation2\\b"_s;
    QTest::newRow("depends on GStreamer's base plugins") << u"Depends"_s << u"\\bgstreamer1.0-plugins-base\\b"_s;
    QTest::newRow("depends on GStreamer's good plugins") << u"Depends"_s << u"\\bgstreamer1.0-plugins-good\\b"_s;
}

void TestDebianPackage::controlFields()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QString value;
    dpkgDeb({u"--field"_s, m_package, field}, value);
    QVERIFY2(QRegularExpression(expected).match(value.trimmed()).hasMatch(), qPrintable(value));
}

void TestDebianPackage::contents_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("program") << u"-rwxr-xr-x root/root .* ./usr/lib/vantaro/vantaro$"_s;
    QTest::newRow("launcher") << u"lrwxrwxrwx root/root .* ./usr/bin/vantaro -> ../lib/vantaro/vantaro$"_s;
    QTest::newRow("help document") << u" ./usr/lib/vantaro/vantarohelpfile.rtf$"_s;
    QTest::newRow("desktop entry") << u" ./usr/share/applications/vantaro.desktop$"_s;
    QTest::newRow("metainfo") << u" ./usr/share/metainfo/com.example.vantaro.metainfo.xml$"_s;
    QTest::newRow("icon") << u" ./usr/share/icons/hicolor/256x256/apps/vantaro.png$"_s;
    QTest::newRow("manual page") << u" ./usr/share/man/man1/vantaro.1.gz$"_s;
    QTest::newRow("copyright") << u" ./usr/share/doc/vantaro/copyright$"_s;
    QTest::newRow("changelog") << u" ./usr/share/doc/vantaro/changelog.gz$"_s;
}

void TestDebianPackage::contents()
{
    QFETCH(QString, entry);
    QString listing;
    dpkgDeb({u"--contents"_s, m_package}, listing);
    QVERIFY2(QRegularExpression(entry, QRegularExpression::MultilineOption).match(listing).hasMatch(),
             qPrintable(listing));
}

// Lintian's errors are what keeps a package out of Debian; its warnings are shown, not failed on.
void TestDebianPackage::lintianFindsNoErrors()
{
    const Run lintian = run(u"lintian"_s, {u"--tag-display-limit"_s, u"0"_s, m_package});
    if (!lintian.output.trimmed().isEmpty())
        qInfo().noquote() << lintian.output.trimmed();
    QVERIFY2(!QRegularExpression(u"^E: "_s, QRegularExpression::MultilineOption).match(lintian.output).hasMatch(),
             qPrintable(lintian.output));
}

// Installed with dpkg, which refuses a package whose Depends the machine does not meet and downloads
// nothing (apt-get cannot install a local file without downloading). Every library and font the running
// program maps must belong to a package its Depends reach. Closed by the window manager, the splash ends
// the program; then the package goes.
void TestDebianPackage::installsStartsClosesAndRemoves()
{
    const Run install = run(u"dpkg"_s, {u"--install"_s, m_package});
    m_installedByTest = installed(PackageName);
    QVERIFY2(install.exitCode == 0 && m_installedByTest, qPrintable(install.output));
    const Run metainfo = run(u"appstreamcli"_s,
                             {u"validate"_s, u"--no-net"_s, u"/usr/share/metainfo/com.example.vantaro.metainfo.xml"_s});
    QVERIFY2(metainfo.exitCode == 0, qPrintable(metainfo.output));

    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home.path());
    environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u".config"_s));
    environment.insert(u"XDG_STATE_HOME"_s, home.filePath(u".local/state"_s));
    // The one-board-per-user lock goes there: a board of another test or user must not take this start.
    const QString runtime = home.filePath(u"runtime"_s);
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(u"VANTARO_FIRST_PAINT_PROBE"_s, u"1"_s);
    program.setProcessEnvironment(environment);
    QByteArray errors;
    connect(&program, &QProcess::readyReadStandardError, this, [&] { errors += program.readAllStandardError(); });
    program.start(u"/usr/bin/vantaro"_s, {});
    const auto stop = qScopeGuard([&] {
        program.kill();
        program.waitForFinished(5000);
    });
    QVERIFY(program.waitForStarted(10000));
    QTRY_VERIFY2_WITH_TIMEOUT(errors.contains("vantaro-first-paint frmSplash "), errors.constData(), 15000);
    QDir(QStringLiteral(VANTARO_BUILD_DIR)).mkpath(u"screenshots"_s);
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral(VANTARO_BUILD_DIR "/screenshots/package-01-splash.png")));

    QSet<QString> mapped;
    QFile maps(u"/proc/%1/maps"_s.arg(program.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && (path.contains(u".so"_s) || path.endsWith(u".ttf"_s)) && !path.startsWith(u"/tmp"_s))
            mapped.insert(QFileInfo(path).canonicalFilePath());
    }
    mapped.remove(QString());
    // Xlib opens libXcursor for cursor themes where it is installed and does without it elsewhere.
    mapped.removeIf([](const QString &path) { return QFileInfo(path).fileName().startsWith(u"libXcursor.so"_s); });
    QVERIFY(mapped.size() > 20);
    QVERIFY2(unreachedOwners(mapped).isEmpty(), qPrintable(unreachedOwners(mapped).join(u'\n')));

    const Run windows = run(
        u"xdotool"_s, {u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(program.processId())});
    QVERIFY2(windows.exitCode == 0, qPrintable(windows.output));
    const QString splash = windows.output.split(u'\n', Qt::SkipEmptyParts).value(0);
    QCOMPARE(run(u"xdotool"_s, {u"windowactivate"_s, u"--sync"_s, splash, u"key"_s, u"alt+F4"_s}).exitCode, 0);
    QVERIFY2(program.waitForFinished(10000), "the program did not end when its splash was closed");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    const Run remove = run(u"apt-get"_s, {u"remove"_s, u"--yes"_s, PackageName});
    QVERIFY2(remove.exitCode == 0, qPrintable(remove.output));
    m_installedByTest = installed(PackageName);
    QVERIFY(!m_installedByTest);
    QVERIFY(!QFileInfo::exists(u"/usr/bin/vantaro"_s));
    QVERIFY(!QFileInfo::exists(u"/usr/lib/vantaro"_s));
}

QTEST_MAIN(TestDebianPackage)
#include "testDebianPackage.moc"
