#include "AppTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// What a copy that died without cleaning up leaves behind: the socket file
// with nobody listening on it.
bool leaveDeadSocket(const QString& endpoint)
{
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + endpoint);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= int(sizeof(address.sun_path)))
        return false;
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound && QFile::exists(QString::fromLocal8Bit(path));
}

// The child process of crashIsNoRunningCopy: holds the endpoint until killed.
int holdEndpoint(const QString& endpoint)
{
    InstanceGuard guard;
    if (!guard.claim(endpoint))
        return 1;
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly)) {
        out.write("ready\n");
        out.flush();
    }
    return QCoreApplication::exec();
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void endpointNamesTheWindowAndTheUser();
    void secondCopyFindsTheMainWindow();
    void claimGoesWithTheMainWindow();
    void runningCopyKeepsItsClaim();
    void deadSocketDoesNotBlock();
    void crashIsNoRunningCopy();
};

void TestInstanceGuard::endpointNamesTheWindowAndTheUser()
{
    const QString expected = QStringLiteral("THlavniDialog-Fonarium 2000-%1").arg(::getuid());
    QCOMPARE(THlavniDialog::instanceEndpoint(), expected);
    QCOMPARE(InstanceGuard::endpointName(THlavniDialog::staticMetaObject,
                                         QStringLiteral("Fonarium 2000")),
             expected);
    QVERIFY(InstanceGuard::endpointName("THlavniDialog", "Fonarium 2000", "1000") !=
            InstanceGuard::endpointName("THlavniDialog", "Fonarium 2000", "1001"));
}

void TestInstanceGuard::secondCopyFindsTheMainWindow()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    const QString endpoint = testEndpoint();
    QVERIFY(!InstanceGuard::isRunning(endpoint));
    TestMainWindow first(program);
    QVERIFY(first->claimInstance(endpoint));
    QVERIFY(InstanceGuard::isRunning(endpoint));
    // Asking twice does no harm to the running copy.
    QVERIFY(InstanceGuard::isRunning(endpoint));
    TestMainWindow second(program);
    QVERIFY(!second->claimInstance(endpoint));
    QVERIFY(InstanceGuard::isRunning(endpoint));
}

void TestInstanceGuard::claimGoesWithTheMainWindow()
{
    TestProgramFolder program;
    QVERIFY(program.isValid());
    const QString endpoint = testEndpoint();
    auto first = std::make_unique<TestMainWindow>(program);
    QVERIFY((*first)->claimInstance(endpoint));
    first.reset();
    QVERIFY(!InstanceGuard::isRunning(endpoint));
    TestMainWindow next(program);
    QVERIFY(next->claimInstance(endpoint));
}

void TestInstanceGuard::runningCopyKeepsItsClaim()
{
    const QString endpoint = testEndpoint();
    InstanceGuard running;
    QVERIFY(running.claim(endpoint));
    InstanceGuard intruder;
    QVERIFY(!intruder.claim(endpoint));
    QVERIFY(!intruder.isClaimed());
    QVERIFY(running.isClaimed());
    QVERIFY(InstanceGuard::isRunning(endpoint));
}

void TestInstanceGuard::deadSocketDoesNotBlock()
{
    const QString endpoint = testEndpoint();
    QVERIFY(leaveDeadSocket(endpoint));
    QVERIFY(!InstanceGuard::isRunning(endpoint));
    InstanceGuard guard;
    QVERIFY(guard.claim(endpoint));
    QVERIFY(InstanceGuard::isRunning(endpoint));
}

void TestInstanceGuard::crashIsNoRunningCopy()
{
    const QString endpoint = testEndpoint();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), endpoint});
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForReadyRead(10000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
    QVERIFY(InstanceGuard::isRunning(endpoint));
    child.kill();
    QVERIFY(child.waitForFinished());
    QVERIFY(!InstanceGuard::isRunning(endpoint));
    InstanceGuard next;
    QVERIFY(next.claim(endpoint));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold")
        return holdEndpoint(QString::fromLocal8Bit(argv[2]));
    TestInstanceGuard test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_instanceguard.moc"
