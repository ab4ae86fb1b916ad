// Runs the window tests: all classes, or the one named as the first argument
// (the remaining arguments go to Qt Test). KVX_TEST_ORDER=reverse runs the
// classes last to first, to show that no test depends on what ran before it.
#include "window_fixture.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);

    auto tests = kvx::test::registeredTests();
    const char* order = std::getenv("KVX_TEST_ORDER");
    if (order && std::strcmp(order, "reverse") == 0) std::reverse(tests.begin(), tests.end());

    int failures = 0;
    int ran = 0;
    for (const auto& [name, make] : tests) {
        if (only && std::strcmp(only, name) != 0) continue;
        ++ran;
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    // A misspelt class name must not pass as an empty run.
    return failures == 0 && ran > 0 ? 0 : 1;
}
