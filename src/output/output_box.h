#pragma once
// The output box: the lines of the current report, in order.
#include <string>
#include <vector>

namespace tev {

class OutputBox {
public:
    void Clear() { lines_.clear(); }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<std::string>& lines() { return lines_; }
    bool empty() const { return lines_.empty(); }
    size_t size() const { return lines_.size(); }

private:
    std::vector<std::string> lines_;
};

} // namespace tev
