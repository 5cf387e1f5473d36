#pragma once

#include <QString>

#include <array>

// One topic of the built-in help: the caption of its line in the topic list,
// the heading shown above its text, the text and the additional text under
// "Informace" (empty when the topic has none).
struct HelpTopic
{
    QString listLabel;
    QString heading;
    QString text;
    QString additional;
};

constexpr int kHelpTopicCount = 14;

// The topics in the order of the topic list; topic n is element n - 1.
const std::array<HelpTopic, kHelpTopicCount>& helpTopics();
