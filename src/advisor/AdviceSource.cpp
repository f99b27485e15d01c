#include "advisor/AdviceSource.h"

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

} // namespace

std::unique_ptr<AdviceSource> prepareAdvice(const std::filesystem::path& folder,
                                            const Progress& progress) {
    return std::make_unique<TablesAdvice>(
        Tables::loadOrSolve(TableLayout{}, folder, progress, workThreads()).tables);
}

} // namespace brisvane::advisor
