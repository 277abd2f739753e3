#ifndef FAKE_MODEM_H
#define FAKE_MODEM_H

// Runs fake_modem.py on the far end of a pty pair: the modem answers AT
// commands, logs every byte it receives and takes control lines.

#include "tests/support/kesp_test_support.h"

#include <QProcess>
#include <QtTest>

class FakeModem
{
public:
    FakeModem(const QString &script, const QString &farPty)
    {
        m_proc.setProgram(QStringLiteral("python3"));
        m_proc.setArguments({script, farPty});
        m_proc.setProcessChannelMode(QProcess::SeparateChannels);
        m_proc.start();
        m_ready = m_proc.waitForStarted(5000) && waitLine("ready");
    }
    ~FakeModem()
    {
        m_proc.closeWriteChannel();
        if (!m_proc.waitForFinished(1000)) {
            m_proc.kill();
            m_proc.waitForFinished(2000);
        }
    }
    bool isReady() const { return m_ready; }

    // One control line ("reply AT+CSQ ...", "inject ...", "echo off"),
    // acknowledged before this returns.
    bool control(const QString &line)
    {
        const int before = m_acks;
        m_proc.write(line.toUtf8() + '\n');
        return kesptest::waitFor([&] { return (pump(), m_acks > before); }, 5000);
    }

    // Every byte the modem has received so far.
    QByteArray received()
    {
        pump();
        return m_rx;
    }
    void clearReceived()
    {
        pump();
        m_rx.clear();
    }

private:
    bool waitLine(const QByteArray &line)
    {
        return kesptest::waitFor([&] { return (pump(), m_lines.contains(line)); }, 5000);
    }
    void pump()
    {
        m_out += m_proc.readAllStandardOutput();
        qsizetype nl;
        while ((nl = m_out.indexOf('\n')) >= 0) {
            const QByteArray line = m_out.left(nl);
            m_out.remove(0, nl + 1);
            if (line.startsWith("rx "))
                m_rx += QByteArray::fromHex(line.mid(3));
            else if (line.startsWith("ok "))
                ++m_acks;
            else
                m_lines << line;
        }
    }

    QProcess m_proc;
    QByteArray m_out;
    QByteArray m_rx;
    QList<QByteArray> m_lines;
    int m_acks = 0;
    bool m_ready = false;
};

#endif // FAKE_MODEM_H
