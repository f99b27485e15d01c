#include "advisor/AdviceSource.h"

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

private:
    std::unique_ptr<Tables> tables_;
    Advisor advisor_;
};

} // namespace

std::unique_ptr<AdviceSource> prepareAdvice(const std::filesystem::path& folder,
                                            const Progress& progress) {
    return std::make_unique<TablesAdvice>(Tables::loadOrSolve(TableLayout{}, folder, progress).tables);
}

} // namespace brisvane::advisor
