// Large files read side by side: the bytes cut into stretches right after line
// feeds (where a line always ends, however long lines are cut), each read on a
// thread of its own, the results handed back in file order so that the reader
// judges them as one read would.
#pragma once

#include <cstddef>
#include <future>
#include <string_view>
#include <system_error>
#include <vector>

namespace kvx::text {

/// How a file's lines are cut and read: stretches of at least `stretchBytes`
/// bytes, as many as `stretches` (0: one per processor, at most four), each on
/// a thread of its own unless `sideBySide` is false. A reader's outcome is the
/// same for every choice; tests and fuzzers force cuts into small inputs.
struct StretchReading {
    std::size_t stretchBytes = std::size_t{1} << 20;
    int stretches = 0;
    bool sideBySide = true;
};

/// `bytes` cut into at most the stretches `how` asks for, each but the last
/// ending with a line feed; one stretch when the bytes are too few.
std::vector<std::string_view> cutIntoStretches(std::string_view bytes, const StretchReading& how);

/// `read` of every stretch of `bytes`, in file order: the first on this
/// thread, the others side by side (a thread that cannot be started reads its
/// stretch here, afterwards).
template <typename Read>
auto readInStretches(std::string_view bytes, const StretchReading& how, Read read) {
    using Result = decltype(read(bytes));
    const std::vector<std::string_view> parts = cutIntoStretches(bytes, how);
    std::vector<std::future<Result>> others;
    for (std::size_t k = 1; k < parts.size(); ++k) {
        const auto one = [&read, part = parts[k]] { return read(part); };
        try {
            others.push_back(std::async(how.sideBySide ? std::launch::async : std::launch::deferred, one));
        } catch (const std::system_error&) {
            others.push_back(std::async(std::launch::deferred, one));
        }
    }
    std::vector<Result> results;
    results.push_back(read(parts[0]));
    for (auto& other : others) results.push_back(other.get());
    return results;
}

}  // namespace kvx::text
