#ifndef WINSERIALPORT_H
#define WINSERIALPORT_H

#include <QByteArray>
#include <QIODevice>
#include <QStringList>

#include <memory>

// A serial port through the Win32 API, as the Qt for Windows we build has no
// serial port module: 8N1 at the rate given, without flow control, DTR and
// RTS raised as the Linux kernel raises them on open. Reads and writes are overlapped and finish through the
// event loop, so the window never waits on the port.
class WinSerialPort : public QIODevice
{
    Q_OBJECT

public:
    WinSerialPort(const QString &name, int baudRate, QObject *parent = nullptr);
    ~WinSerialPort() override;

    // The ports Windows lists, COM3 before COM10. A port it does not list
    // (a redirected or virtual one) can still be opened by its name.
    static QStringList portNames();

    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override;
    qint64 bytesAvailable() const override;
    qint64 bytesToWrite() const override;
    // Why open() failed: there is no such port, rather than one held or refused.
    bool portMissing() const;

signals:
    // The port failed while open, as when its USB adapter is pulled out.
    void lost();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    struct Io;

    bool awaitCharacters();
    void charactersArrived();
    bool readWaiting();
    void startWrite();
    void writeFinished();
    void fail();

    QString name;
    int baudRate;
    std::unique_ptr<Io> io;
    QByteArray received;
    QByteArray queued;
    QByteArray writing; // untouched until its overlapped write is done
    bool missing = false;
};

#endif
