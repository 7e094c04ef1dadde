#include "StaleResults.h"

#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"
#include "calc/Working.h"

#include <set>

namespace zentrova {

void StaleResults::Computed(const ComputeWorking& working, const FieldTexts& texts)
{
    reasons_.clear();
    if (!working.fault)
        return;
    const int faulted = working.fault->step;
    const std::string reason =
        "上次计算在第 " + std::to_string(faulted) + " 步中断，此结果不属于当前输入，请重新计算";
    std::set<std::string_view> written;
    for (const StepWorking& step : working.steps) {
        if (step.text)
            written.insert(step.target);
    }
    for (std::size_t i = static_cast<std::size_t>(faulted - 1); i < window_.steps.size(); ++i) {
        const std::string_view target = window_.steps[i].target;
        if (!written.contains(target) && !texts.Get(target).empty())
            reasons_.emplace(std::string(target), reason);
    }
}

void StaleResults::Edited(std::string_view field)
{
    if (const auto own = reasons_.find(field); own != reasons_.end())
        reasons_.erase(own);
    for (const ComputeStep& step : window_.steps) {
        if (step.target != field && ResultDependsOn(window_, step.target, field))
            reasons_.emplace(std::string(step.target), "输入已更改，请重新计算");
    }
}

std::string_view StaleResults::Reason(std::string_view output) const
{
    const auto reason = reasons_.find(output);
    return reason == reasons_.end() ? std::string_view{} : std::string_view(reason->second);
}

}  // namespace zentrova
