// One running copy per user, tried with real processes: this test program
// starts copies of itself that take the start-up lock the way Velmora does.
//
//   single_instance_qtest --hold LOCK    takes the lock, says "held", keeps it
//                                        until its input closes
//   single_instance_qtest --start LOCK   the start-up check; prints "started"
//                                        or the message it would have shown

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <iostream>
#include <string>

#include "shell/FirstPaint.h"
#include "shell/SingleInstance.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturingMessenger;

namespace {

int Hold(const QString& lockPath) {
    SingleInstance instance(lockPath);
    if (!instance.Acquire()) {
        std::puts("busy");
        return 2;
    }
    std::puts("held");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

int Start(const QString& lockPath) {
    SingleInstance instance(lockPath);
    CapturingMessenger messenger;
    if (ClaimSingleInstance(instance, messenger)) {
        std::puts("started");
    } else {
        for (const auto& shown : messenger.shown) {
            std::printf("%s|%s\n", qPrintable(shown.text),
                        shown.icon == MessageIcon::Information ? "information" : "error");
        }
    }
    return 0;
}

// A copy of this program in one of the two roles above.
class Copy {
public:
    Copy(const char* role, const QString& lockPath) {
        process_.setProgram(QCoreApplication::applicationFilePath());
        process_.setArguments({QLatin1String(role), lockPath});
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // Starts a holder and waits for its first line.
    QString StartAndReadLine() {
        process_.start();
        if (!process_.waitForStarted()) return QStringLiteral("not started");
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(30000)) return QStringLiteral("no answer");
        }
        return QString::fromUtf8(process_.readLine()).trimmed();
    }

    // Runs a start-up check to its end; its output and exit status.
    QString RunToEnd(int* status) {
        process_.start();
        process_.closeWriteChannel();
        if (!process_.waitForFinished(30000)) return QStringLiteral("did not end");
        *status = process_.exitCode();
        return QString::fromUtf8(process_.readAllStandardOutput()).trimmed();
    }

    QProcess& process() { return process_; }

private:
    QProcess process_;
};

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyGivesWayFirstCopyUntouched();
    void lockOfACrashedCopyDoesNotBlock();
    void lockFilesWithoutOwnerAreCleared_data();
    void lockFilesWithoutOwnerAreCleared();
    void secondLockInOneProcessIsRefused();
    void lockIsPerUser();
    void unusableLockPlaceIsNotAnotherCopy_data();
    void unusableLockPlaceIsNotAnotherCopy();
    void liveCopyOnTheFallbackStillGivesWay();
    void aSecondStartCallsTheRunningCopyToTheFront();
    void theSocketOpensOnceTheFormIsOnScreen();
    void theSocketIsTheUsersAloneAndEndsWithTheCopy();
};

void SingleInstanceTest::secondCopyGivesWayFirstCopyUntouched() {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    Copy first("--hold", lock);
    QCOMPARE(first.StartAndReadLine(), QStringLiteral("held"));

    int status = -1;
    Copy second("--start", lock);
    QCOMPARE(second.RunToEnd(&status), QStringLiteral("Application is already running|information"));
    QCOMPARE(status, 0);

    // The first copy still runs and still holds its lock.
    QCOMPARE(first.process().state(), QProcess::Running);
    QVERIFY(QFile::exists(lock));
    Copy third("--start", lock);
    QCOMPARE(third.RunToEnd(&status), QStringLiteral("Application is already running|information"));

    // Once it ends normally the next start goes ahead.
    first.process().closeWriteChannel();
    QVERIFY(first.process().waitForFinished(30000));
    QCOMPARE(first.process().exitCode(), 0);
    QVERIFY(!QFile::exists(lock));
    Copy fourth("--start", lock);
    QCOMPARE(fourth.RunToEnd(&status), QStringLiteral("started"));
}

void SingleInstanceTest::lockOfACrashedCopyDoesNotBlock() {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    Copy crashed("--hold", lock);
    QCOMPARE(crashed.StartAndReadLine(), QStringLiteral("held"));
    crashed.process().kill();  // no chance to clean up
    QVERIFY(crashed.process().waitForFinished(30000));
    QVERIFY(QFile::exists(lock));

    int status = -1;
    Copy next("--start", lock);
    QCOMPARE(next.RunToEnd(&status), QStringLiteral("started"));
    QCOMPARE(status, 0);
}

void SingleInstanceTest::lockFilesWithoutOwnerAreCleared_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty: crashed while writing it") << QByteArray();
    QTest::newRow("garbage") << QByteArray("not a lock\n");
}

void SingleInstanceTest::lockFilesWithoutOwnerAreCleared() {
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    QFile file(lock);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    SingleInstance instance(lock);
    QVERIFY(instance.Acquire());
    QVERIFY(instance.IsHeld());
}

void SingleInstanceTest::secondLockInOneProcessIsRefused() {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    SingleInstance first(lock);
    QVERIFY(first.Acquire());
    QVERIFY(first.Acquire());  // asking again keeps it
    SingleInstance second(lock);
    CapturingMessenger messenger;
    QVERIFY(!ClaimSingleInstance(second, messenger));
    QCOMPARE(messenger.shown.size(), std::size_t{1});
    QCOMPARE(messenger.shown[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(messenger.shown[0].icon, MessageIcon::Information);
    QVERIFY(first.IsHeld());
}

void SingleInstanceTest::lockIsPerUser() {
    const QString path = SingleInstance::DefaultLockPath();
    QVERIFY(QDir::isAbsolutePath(path));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString user = qEnvironmentVariable("USER");
    QVERIFY2((!runtime.isEmpty() && path.startsWith(runtime)) || (!user.isEmpty() && path.contains(user)),
             qPrintable(path));
}

// What may stand where the lock file should be made.
enum class Place { Usable, Directory, UnderAFile };

QString MakePlace(const QTemporaryDir& dir, const QString& name, Place place) {
    switch (place) {
    case Place::Usable:
        return dir.filePath(name);
    case Place::Directory:
        QDir(dir.path()).mkpath(name);
        return dir.filePath(name);
    case Place::UnderAFile: {
        // Like a read-only runtime directory: nothing can be created there
        // (a file stands for the folder, which stops root too).
        QFile file(dir.filePath(name + QStringLiteral(".notadir")));
        file.open(QIODevice::WriteOnly);
        return file.fileName() + QStringLiteral("/velmora.lock");
    }
    }
    return {};
}

void SingleInstanceTest::unusableLockPlaceIsNotAnotherCopy_data() {
    QTest::addColumn<int>("primary");
    QTest::addColumn<int>("fallback");
    QTest::addColumn<bool>("held");  // a lock is held in the end
    QTest::newRow("a directory in the lock's place") << int(Place::Directory) << int(Place::Usable) << true;
    QTest::newRow("runtime folder cannot be written") << int(Place::UnderAFile) << int(Place::Usable) << true;
    QTest::newRow("neither place can hold a lock") << int(Place::UnderAFile) << int(Place::Directory) << false;
}

void SingleInstanceTest::unusableLockPlaceIsNotAnotherCopy() {
    QFETCH(int, primary);
    QFETCH(int, fallback);
    QFETCH(bool, held);
    QTemporaryDir dir;
    const QString primaryPath = MakePlace(dir, QStringLiteral("velmora.lock"), Place(primary));
    const QString fallbackPath = MakePlace(dir, QStringLiteral("fallback.lock"), Place(fallback));
    SingleInstance instance(primaryPath, fallbackPath);
    CapturingMessenger messenger;
    if (!held) QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no lock file could be made")));
    QVERIFY(ClaimSingleInstance(instance, messenger));
    QVERIFY(messenger.shown.empty());
    QCOMPARE(instance.IsHeld(), held);
    if (held) QCOMPARE(instance.LockPath(), fallbackPath);
}

void SingleInstanceTest::liveCopyOnTheFallbackStillGivesWay() {
    QTemporaryDir dir;
    const QString primaryPath = MakePlace(dir, QStringLiteral("velmora.lock"), Place::Directory);
    const QString fallbackPath = dir.filePath(QStringLiteral("fallback.lock"));
    SingleInstance first(primaryPath, fallbackPath);
    QVERIFY(first.Acquire());
    SingleInstance second(primaryPath, fallbackPath);
    CapturingMessenger messenger;
    QVERIFY(!ClaimSingleInstance(second, messenger));
    QCOMPARE(messenger.shown.size(), std::size_t{1});
    QCOMPARE(messenger.shown[0].text, QStringLiteral("Application is already running"));
}

void SingleInstanceTest::aSecondStartCallsTheRunningCopyToTheFront() {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    SingleInstance running(lock);
    QVERIFY(running.Acquire());
    int knocks = 0;
    QVERIFY(running.ListenForLaterCopies([&knocks] { ++knocks; }));

    // Each later start knocks once and still gives its message.
    for (int start = 1; start <= 2; ++start) {
        int status = -1;
        Copy later("--start", lock);
        QCOMPARE(later.RunToEnd(&status), QStringLiteral("Application is already running|information"));
        QCOMPARE(status, 0);
        QTRY_COMPARE(knocks, start);
    }
    QVERIFY(running.IsHeld());
}

// The program opens the socket only after its form's first paint (so that the
// form appears sooner): a later start must still find it then.
void SingleInstanceTest::theSocketOpensOnceTheFormIsOnScreen() {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    SingleInstance running(lock);
    QVERIFY(running.Acquire());
    int knocks = 0;
    bool listening = false;
    QWidget form;
    AfterFirstPaint::Run(&form, [&] { listening = running.ListenForLaterCopies([&knocks] { ++knocks; }); });
    QCoreApplication::processEvents();
    QVERIFY(!listening);  // not yet: the form has not been shown
    QVERIFY(!running.KnockOnRunningCopy());

    form.show();
    QTRY_VERIFY(listening);
    int status = -1;
    Copy later("--start", lock);
    QCOMPARE(later.RunToEnd(&status), QStringLiteral("Application is already running|information"));
    QTRY_COMPARE(knocks, 1);
}

void SingleInstanceTest::theSocketIsTheUsersAloneAndEndsWithTheCopy() {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    const QString socket = lock + QStringLiteral(".socket");
    {
        // One left behind by a copy that crashed is replaced.
        QFile stale(socket);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        SingleInstance running(lock);
        QVERIFY(running.Acquire());
        QVERIFY(running.ListenForLaterCopies([] {}));
        QVERIFY(running.KnockOnRunningCopy());
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFileInfo(socket).permissions() & others, QFileDevice::Permissions());
    }
    QVERIFY(!QFileInfo::exists(socket));
}

int main(int argc, char** argv) {
    if (argc == 3 && (qstrcmp(argv[1], "--hold") == 0 || qstrcmp(argv[1], "--start") == 0)) {
        QCoreApplication app(argc, argv);
        const QString lock = QString::fromLocal8Bit(argv[2]);
        return qstrcmp(argv[1], "--hold") == 0 ? Hold(lock) : Start(lock);
    }
    QApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "single_instance_qtest.moc"
