#include "testsunucu.h"
#include "server/yapilandirma.h"

#include <QElapsedTimer>
#include <QThread>
#include <csignal>

namespace mivotest {

QString TestSunucu::sunucuYolu() { return QStringLiteral(MIVO_SERVER_BIN); }

TestSunucu::TestSunucu(QStringList ekArgs, QString veritabani) : args_(std::move(ekArgs))
{
    db_ = veritabani.isEmpty() ? dir_.filePath(QStringLiteral("mivo.sqlite")) : veritabani;
}

TestSunucu::~TestSunucu() { durdur(); }

bool TestSunucu::basla(int msBekle)
{
    port_ = webPort_ = 0;   // a restart announces new ports
    p_ = std::make_unique<QProcess>();
    p_->setProcessChannelMode(QProcess::SeparateChannels);
    p_->setReadChannel(QProcess::StandardOutput);
    QStringList a = {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"), QStringLiteral("0"),
                     QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--database"), db_};
    a += args_;
    p_->start(sunucuYolu(), a);
    if (!p_->waitForStarted(5000)) return false;
    QElapsedTimer t;
    t.start();
    QByteArray cikti;
    while (t.elapsed() < msBekle && (port_ == 0 || webPort_ == 0)) {
        if (!p_->waitForReadyRead(200) && p_->state() != QProcess::Running) break;
        cikti += p_->readAllStandardOutput();
        for (const QByteArray& satir : cikti.split('\n')) {
            if (satir.startsWith("PORT ")) port_ = satir.mid(5).trimmed().toInt();
            if (satir.startsWith("WEBPORT ")) webPort_ = satir.mid(8).trimmed().toInt();
        }
    }
    if (port_ == 0) qWarning("mivo-server did not start: %s", p_->readAllStandardError().constData());
    return port_ != 0;
}

void TestSunucu::durdur()
{
    if (!p_ || p_->state() == QProcess::NotRunning) return;
    p_->terminate();
    if (!p_->waitForFinished(10000)) { p_->kill(); p_->waitForFinished(5000); }
}

void TestSunucu::oldur()
{
    if (!p_ || p_->state() == QProcess::NotRunning) return;
    ::kill(pid_t(p_->processId()), SIGKILL);
    p_->waitForFinished(5000);
}

void TestSunucu::istemciyiYonlendir() const
{
    auto& y = mivo::yapilandirma();
    y.sunucuHost = QStringLiteral("127.0.0.1");
    y.sunucuPort = QString::number(port_);
    y.webHost = QStringLiteral("127.0.0.1:%1").arg(webPort_);
    y.ipEchoUrl = QStringLiteral("http://127.0.0.1:%1/ip.php").arg(webPort_);
}

QByteArray TestSunucu::komut(const QStringList& args, int* cikis) const
{
    QProcess p;
    QStringList a = args;
    a << QStringLiteral("--database") << db_;
    p.start(sunucuYolu(), a);
    p.waitForFinished(600000);
    if (cikis) *cikis = p.exitCode();
    return p.readAllStandardOutput();
}

QString testPostgresAdresi() { return qEnvironmentVariable("MIVO_TEST_PG"); }

} // namespace mivotest
