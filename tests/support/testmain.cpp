#include "testregistry.h"

#include <QGuiApplication>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Entry {
    const char *name;
    std::function<QObject *()> create;
};

std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

int registerTestClass(const char *name, std::function<QObject *()> create)
{
    registry().push_back({name, std::move(create)});
    return static_cast<int>(registry().size());
}

// Usage: tst_<area> [-class Name] [QtTest options]
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments();
    QString only;
    const int classFlag = args.indexOf(QStringLiteral("-class"));
    if (classFlag > 0 && classFlag + 1 < args.size()) {
        only = args.at(classFlag + 1);
        args.erase(args.begin() + classFlag, args.begin() + classFlag + 2);
    }

    int failures = 0;
    for (const Entry &entry : registry()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name))
            continue;
        std::unique_ptr<QObject> test(entry.create());
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
