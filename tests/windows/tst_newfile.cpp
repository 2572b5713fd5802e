#include "check.h"

#include "platform/windows/new_file.h"

#include <windows.h>

#include <string>
#include <vector>

using platform::windowsbackend::writeNewFile;

namespace {

std::wstring freshFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"kelvaro-newfile-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring numbered(int attempt)
{
    return attempt > 1 ? L"report_" + std::to_wstring(attempt) + L".json" : L"report.json";
}

std::string contents(const std::wstring &path)
{
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(missing)";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

std::vector<std::wstring> entries(const std::wstring &folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

void removeFolder(const std::wstring &folder)
{
    for (const std::wstring &name : entries(folder))
        DeleteFileW((folder + L"\\" + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace

// A taken name is never replaced: the next free one is used, and no scratch file stays behind.
TEST_CASE(newFileTakesTheNextFreeName)
{
    const std::wstring folder = freshFolder();
    const std::string first = "{\"a\":1}";
    const auto one = writeNewFile(folder, numbered, first.data(), first.size());
    CHECK_EQ(one.error, std::string());
    CHECK(one.path == folder + L"\\report.json");

    const std::string second = "{\"b\":2}";
    const auto two = writeNewFile(folder, numbered, second.data(), second.size());
    CHECK(two.path == folder + L"\\report_2.json");
    CHECK_EQ(contents(folder + L"\\report.json"), first);
    CHECK_EQ(contents(folder + L"\\report_2.json"), second);
    CHECK_EQ(entries(folder).size(), std::size_t(2));
    removeFolder(folder);
}

TEST_CASE(newFileInAMissingFolderFailsWithAReason)
{
    const std::wstring folder = freshFolder() + L"\\absent";
    const auto written = writeNewFile(folder, numbered, "x", 1);
    CHECK(written.path.empty());
    CHECK(written.error.rfind("cannot create a file: ", 0) == 0);
    removeFolder(folder.substr(0, folder.size() - 7));
}
