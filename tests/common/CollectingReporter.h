// A source-model reporter that keeps the messages for a test to look at.
#pragma once
#include <string>
#include <vector>

#include "Lib/SourceFile.h"

struct TMessage {
    std::string Caption;
    std::string Text;
};

class TCollectingReporter : public TSourceReporter {
public:
    void ReportError(const std::string& caption, const std::string& text) override { Messages.push_back({caption, text}); }
    std::vector<TMessage> Messages;
};
