// Runs the window tests: all classes, or the one named as the first argument
// (the remaining arguments go to Qt Test).
#include "window_fixture.h"

#include <QApplication>

#include <cstring>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);

    int failures = 0;
    for (const auto& [name, make] : kvx::test::registeredTests()) {
        if (only && std::strcmp(only, name) != 0) continue;
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
