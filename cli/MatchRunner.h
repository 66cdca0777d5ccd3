#pragma once
// A batch of pairs for marriage matching: one line {"bride": {…}, "groom":
// {…}} in, each side a request as a --batch line takes it, one line out:
// {"match": …}, or {"error": …} naming the side refused.

#include <string>
#include <string_view>

#include <memory>

#include "chart/ComputeChart.h"
#include "cli/ChartRequest.h"
#include "cli/LineRunner.h"

namespace velmora::cli {

class MatchRunner : public LineRunner {
public:

    void AppendLine(std::string_view line, bool& refused, std::string& out) override;
    void AppendRefusal(std::string_view message, std::string& out) override;

private:
    // The pair's refusal, empty when both charts were computed.
    std::string ComputePair(std::string_view line);

    std::shared_ptr<const Chart> bride_, groom_;
    ChartRequest request_;
    FormFields form_;
};

}  // namespace velmora::cli
