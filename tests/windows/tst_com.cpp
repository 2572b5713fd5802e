#include "check.h"
#include "support.h"

#include "platform/windows/com_ptr.h"

#include <objbase.h>
#include <windows.h>

#include <thread>

using platform::ComInit;
using platform::windowsbackend::ComPtr;
using platform::windowsbackend::WindowsSource;

namespace {

struct Counted {
    int *releases;
    void Release() { ++*releases; }
};

bool queryAnswers(platform::Source &source)
{
    const auto wmi = source.openWmi("ROOT\\CIMV2");
    return wmi && wmi->query("SELECT Name FROM Win32_ComputerSystem").size() == 1;
}

} // namespace

TEST_CASE(comPointerReleasesOnceOnEveryPath)
{
    int releases = 0;
    Counted first{&releases};
    Counted second{&releases};
    {
        ComPtr<Counted> held(&first);
        *held.put() = &second; // an out-parameter call replaces what was held
        CHECK_EQ(releases, 1);
        ComPtr<Counted> moved(std::move(held));
        CHECK(!held);
        CHECK(moved.get() == &second);
        ComPtr<Counted> assigned;
        assigned = std::move(moved);
        CHECK_EQ(releases, 1);
    }
    CHECK_EQ(releases, 2);
}

// Each thread below ends before the next starts: Wine's WMI crashes when threads query at once.
TEST_CASE(comOnMainAndSecondThread)
{
    WindowsSource source;
    {
        support::ComScope scope(source);
        CHECK_EQ(scope.init(), ComInit::Owned);
        CHECK(queryAnswers(source));
    }

    ComInit second = ComInit::NotOwned;
    bool answered = false;
    HRESULT afterwards = E_FAIL;
    std::thread([&] {
        second = source.comInitialize();
        answered = queryAnswers(source);
        source.comUninitialize();
        // Balanced: the thread is free to join an apartment again.
        afterwards = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterwards))
            CoUninitialize();
    }).join();
    CHECK_EQ(second, ComInit::Owned);
    CHECK(answered);
    CHECK_EQ(afterwards, S_OK);
}

TEST_CASE(comOnThreadAlreadyInSingleThreadedApartment)
{
    WindowsSource source;
    ComInit init = ComInit::Owned;
    bool answered = false;
    HRESULT stillSingleThreaded = E_FAIL;
    std::thread([&] {
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            return;
        init = source.comInitialize();
        answered = queryAnswers(source);
        // Nothing was undone: the apartment the thread joined first is still there.
        stillSingleThreaded = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(stillSingleThreaded))
            CoUninitialize();
        CoUninitialize();
    }).join();
    CHECK_EQ(init, ComInit::ChangedMode);
    CHECK(answered);
    CHECK_EQ(stillSingleThreaded, S_FALSE);
}
