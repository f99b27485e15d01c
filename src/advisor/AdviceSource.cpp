#include "advisor/AdviceSource.h"

#include <system_error>

#include "advisor/Parallel.h"

namespace brisvane::advisor {
namespace {

class TablesAdvice : public AdviceSource {
public:
    explicit TablesAdvice(std::unique_ptr<Tables> tables)
        : tables_(std::move(tables)), advisor_(*tables_) {}

    std::vector<Choice> rank(const Position& position) override { return advisor_.rank(position); }
    Review review(const std::vector<Step>& steps) override {
        return advisor::review(advisor_, steps);
    }
    // The tables are only read once solved, so two advisors may share them across threads.
    Reviewer reviewer() const override {
        return [tables = tables_](const std::vector<Step>& steps) {
            Advisor own(*tables);
            return advisor::review(own, steps);
        };
    }

private:
    std::shared_ptr<const Tables> tables_;
    Advisor advisor_;
};

// The whole game's tables as the earlier build named them.
constexpr const char* EarlierTables = "advisor5-fffff-c0c00-60.tables";

} // namespace

void removeEarlierTables(const std::filesystem::path& folder) {
    if (folder.empty()) {
        return;
    }
    std::error_code ignored; // absent, or not ours to remove: nothing to say
    std::filesystem::remove(folder / EarlierTables, ignored);
}

std::unique_ptr<AdviceSource> prepareAdvice(const std::filesystem::path& folder,
                                            const Progress& progress) {
    removeEarlierTables(folder);
    return std::make_unique<TablesAdvice>(
        Tables::loadOrSolve(TableLayout{}, folder, progress, workThreads()).tables);
}

} // namespace brisvane::advisor
