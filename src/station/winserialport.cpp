#include "winserialport.h"

#include <QWinEventNotifier>

#include <algorithm>

#include <qt_windows.h>

struct WinSerialPort::Io
{
    HANDLE port = INVALID_HANDLE_VALUE;
    OVERLAPPED wait = {};
    OVERLAPPED read = {};
    OVERLAPPED write = {};
    DWORD events = 0;
    // Issued and not yet seen finished: the kernel may still write into them.
    bool waiting = false;
    bool writing = false;
    bool broken = false;
    QWinEventNotifier *waitDone = nullptr;
    QWinEventNotifier *writeDone = nullptr;
};

WinSerialPort::WinSerialPort(const QString &name, int baudRate, QObject *parent)
    : QIODevice(parent)
    , name(name)
    , baudRate(baudRate)
    , io(new Io)
{
}

WinSerialPort::~WinSerialPort()
{
    close();
}

QStringList WinSerialPort::portNames()
{
    QStringList names;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return names;
    // Each value is a port: its name is the driver's, its data the port's.
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD valueNameLength = 256;
        wchar_t data[64] = {};
        DWORD dataSize = sizeof data - sizeof *data; // room for a closing zero the data may lack
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, valueName, &valueNameLength, nullptr, &type,
                                          reinterpret_cast<BYTE *>(data), &dataSize);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS && type == REG_SZ && data[0])
            names << QString::fromWCharArray(data);
    }
    RegCloseKey(key);
    std::sort(names.begin(), names.end(), [](const QString &one, const QString &other) {
        return one.size() != other.size() ? one.size() < other.size() : one < other;
    });
    return names;
}

bool WinSerialPort::open(OpenMode mode)
{
    if (isOpen())
        return false;
    missing = false;
    const QString path = name.startsWith(QLatin1String("\\\\.\\")) ? name : QLatin1String("\\\\.\\") + name;
    const HANDLE port = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // Anything else (access denied, sharing violation, busy) is a port another program holds.
        missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME
            || error == ERROR_BAD_PATHNAME;
        return false;
    }
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(port, &dcb)) {
        // A file or device that is no serial port.
        CloseHandle(port);
        missing = true;
        return false;
    }
    dcb.BaudRate = DWORD(baudRate);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE; // a line error would otherwise stop every read and write until cleared
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    // A read returns at once with what has arrived; the waiting is
    // WaitCommEvent's, as a read waiting under a total time-out never ends under Wine.
    COMMTIMEOUTS timeouts = {MAXDWORD, 0, 0, 0, 0};
    io->wait.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    io->read.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    io->write.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    io->port = port;
    if (!SetCommState(port, &dcb) || !SetCommTimeouts(port, &timeouts) || !SetCommMask(port, EV_RXCHAR)
        || !io->wait.hEvent || !io->read.hEvent || !io->write.hEvent) {
        close();
        return false;
    }
    // The DCB has raised both lines already; drivers that cannot set them
    // alone (Wine's pseudo-terminals among them) refuse these, harmlessly.
    EscapeCommFunction(port, SETDTR);
    EscapeCommFunction(port, SETRTS);
    io->waitDone = new QWinEventNotifier(io->wait.hEvent, this);
    io->writeDone = new QWinEventNotifier(io->write.hEvent, this);
    connect(io->waitDone, &QWinEventNotifier::activated, this, &WinSerialPort::charactersArrived);
    connect(io->writeDone, &QWinEventNotifier::activated, this, &WinSerialPort::writeFinished);
    QIODevice::open(mode);
    if (!awaitCharacters()) {
        close();
        return false;
    }
    return true;
}

void WinSerialPort::close()
{
    if (io->port != INVALID_HANDLE_VALUE) {
        // The wait and a write under way end here, before their buffers can go.
        CancelIoEx(io->port, nullptr);
        DWORD unused;
        if (io->waiting)
            GetOverlappedResult(io->port, &io->wait, &unused, TRUE);
        if (io->writing)
            GetOverlappedResult(io->port, &io->write, &unused, TRUE);
        CloseHandle(io->port);
        io->port = INVALID_HANDLE_VALUE;
    }
    // Closing may come from a slot of their own signal.
    for (QWinEventNotifier *notifier : {io->waitDone, io->writeDone}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    for (OVERLAPPED *overlapped : {&io->wait, &io->read, &io->write}) {
        if (overlapped->hEvent)
            CloseHandle(overlapped->hEvent);
    }
    *io = Io();
    received.clear();
    queued.clear();
    writing.clear();
    QIODevice::close();
}

bool WinSerialPort::isSequential() const
{
    return true;
}

qint64 WinSerialPort::bytesAvailable() const
{
    return received.size() + QIODevice::bytesAvailable();
}

qint64 WinSerialPort::bytesToWrite() const
{
    return queued.size() + writing.size() + QIODevice::bytesToWrite();
}

bool WinSerialPort::portMissing() const
{
    return missing;
}

qint64 WinSerialPort::readData(char *data, qint64 maxSize)
{
    const int count = int(std::min<qint64>(maxSize, received.size()));
    std::copy_n(received.constData(), count, data);
    received.remove(0, count);
    return count;
}

qint64 WinSerialPort::writeData(const char *data, qint64 maxSize)
{
    if (io->broken)
        return -1;
    queued.append(data, int(maxSize));
    if (!io->writing)
        startWrite();
    return maxSize;
}

bool WinSerialPort::awaitCharacters()
{
    ResetEvent(io->wait.hEvent);
    io->events = 0;
    if (!WaitCommEvent(io->port, &io->events, &io->wait) && GetLastError() != ERROR_IO_PENDING)
        return false;
    io->waiting = true;
    // Done at once, the event may stay unset: look once the event loop runs.
    if (HasOverlappedIoCompleted(&io->wait))
        QMetaObject::invokeMethod(this, &WinSerialPort::charactersArrived, Qt::QueuedConnection);
    return true;
}

void WinSerialPort::charactersArrived()
{
    DWORD unused;
    if (!io->waiting)
        return;
    if (!GetOverlappedResult(io->port, &io->wait, &unused, FALSE)) {
        const DWORD error = GetLastError();
        if (error == ERROR_IO_INCOMPLETE)
            return; // woken by an earlier wait's event
        io->waiting = false;
        // Wine ends the wait on a pseudo-terminal every few milliseconds as
        // aborted: a look at what arrived, and a port gone, tell which.
        if (error != ERROR_OPERATION_ABORTED) {
            fail();
            return;
        }
    }
    io->waiting = false;
    if (readWaiting() && !awaitCharacters())
        fail();
}

bool WinSerialPort::readWaiting()
{
    const int before = received.size();
    for (;;) {
        DWORD errors = 0;
        COMSTAT status = {};
        if (!ClearCommError(io->port, &errors, &status)) {
            fail();
            return false;
        }
        if (status.cbInQue == 0)
            break;
        // Only what has arrived is asked for: under Wine a read of an empty
        // port waits for characters whatever the time-outs say.
        char buffer[4096];
        DWORD count = 0;
        ResetEvent(io->read.hEvent);
        if (!ReadFile(io->port, buffer, std::min<DWORD>(status.cbInQue, sizeof buffer), &count, &io->read)) {
            if (GetLastError() != ERROR_IO_PENDING) {
                fail();
                return false;
            }
            // A driver slower than the characters waiting has a frame, then is cancelled, keeping what it read.
            if (WaitForSingleObject(io->read.hEvent, 16) != WAIT_OBJECT_0)
                CancelIoEx(io->port, &io->read);
            if (!GetOverlappedResult(io->port, &io->read, &count, TRUE) && GetLastError() != ERROR_OPERATION_ABORTED) {
                fail();
                return false;
            }
        }
        if (count == 0)
            break;
        received.append(buffer, int(count));
    }
    if (received.size() > before)
        emit readyRead();
    // What was read may have closed the port.
    return isOpen();
}

void WinSerialPort::startWrite()
{
    writing.swap(queued);
    ResetEvent(io->write.hEvent);
    if (!WriteFile(io->port, writing.constData(), DWORD(writing.size()), nullptr, &io->write)
        && GetLastError() != ERROR_IO_PENDING) {
        fail();
        return;
    }
    io->writing = true;
    if (HasOverlappedIoCompleted(&io->write))
        QMetaObject::invokeMethod(this, &WinSerialPort::writeFinished, Qt::QueuedConnection);
}

void WinSerialPort::writeFinished()
{
    if (!io->writing)
        return;
    DWORD count = 0;
    if (!GetOverlappedResult(io->port, &io->write, &count, FALSE)) {
        if (GetLastError() == ERROR_IO_INCOMPLETE)
            return;
        io->writing = false;
        fail();
        return;
    }
    // Without write time-outs a write ends when all is written.
    io->writing = false;
    writing.clear();
    emit bytesWritten(count);
    if (isOpen() && !queued.isEmpty())
        startWrite();
}

void WinSerialPort::fail()
{
    if (io->broken)
        return;
    io->broken = true;
    emit lost();
}
