#include "app/crashcapture.h"

#include "app/startuplog.h"

#include <windows.h>

namespace {

LONG WINAPI onUnhandledException(EXCEPTION_POINTERS *pointers)
{
    const EXCEPTION_RECORD *record = pointers ? pointers->ExceptionRecord : nullptr;
    const quint32 code = record ? record->ExceptionCode : 0;
    const quintptr address = record ? reinterpret_cast<quintptr>(record->ExceptionAddress) : 0;
    appendStartupLog(QStringLiteral("CRASH code=0x%1 addr=0x%2")
                         .arg(code, 8, 16, QLatin1Char('0'))
                         .arg(static_cast<qulonglong>(address), 0, 16));
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void installCrashCapture()
{
    SetUnhandledExceptionFilter(onUnhandledException);
}
