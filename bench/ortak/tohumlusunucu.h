#pragma once
// A seeded mivo-server on a free port, for the benchmarks.
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

struct TohumluSunucu {
    QTemporaryDir dir;
    QProcess surec;
    int port = 0;

    // Seeds a fresh database with the demo dealer, then starts the server; false when it does not come up.
    bool baslat(int stoklar)
    {
        const QString db = dir.filePath(QStringLiteral("bench.sqlite"));
        QElapsedTimer t;
        t.start();
        QProcess tohum;
        tohum.start(QStringLiteral(MIVO_SERVER_BIN), {QStringLiteral("seed-demo"), QStringLiteral("--stocks"), QString::number(stoklar),
                                                       QStringLiteral("--customers"), QStringLiteral("20"), QStringLiteral("--years"),
                                                       QStringLiteral("0"), QStringLiteral("--database"), db});
        tohum.waitForFinished(-1);
        std::printf("seed-demo --stocks %d: %.1f s\n", stoklar, t.elapsed() / 1000.0);
        surec.start(QStringLiteral(MIVO_SERVER_BIN), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--web-port"),
                                                       QStringLiteral("-1"), QStringLiteral("--listen"), QStringLiteral("127.0.0.1"),
                                                       QStringLiteral("--database"), db});
        while (port == 0 && surec.waitForReadyRead(10000))
            for (const QByteArray& l : surec.readAllStandardOutput().split('\n'))
                if (l.startsWith("PORT ")) port = l.mid(5).trimmed().toInt();
        if (!port) std::fprintf(stderr, "server did not start\n");
        return port != 0;
    }

    ~TohumluSunucu()
    {
        surec.terminate();
        surec.waitForFinished(5000);
    }
};
