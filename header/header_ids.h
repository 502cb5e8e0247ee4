// Control ids of the header panel: its one home, for the header itself, the score line that writes the
// score and its code, and the scrolling that reads "Cacher".
#pragma once

constexpr int kLinkLabelId = 24;
constexpr int kByLabelId = 25;
constexpr int kAuthorLabelId = 26;
constexpr int kSaveButtonId = 27;
constexpr int kExplanationLabelId = 28;
constexpr int kTitleLabelId = 29;
constexpr int kCodeFieldId = 30; // the score's code, read-only
constexpr int kCodeLabelId = 31;
constexpr int kScoreLabelId = 32;  // " S / N"
constexpr int kHideBoxId = 33;     // "Cacher"
constexpr int kScoreRuleId = 120;  // under the score
constexpr int kCornerRuleId = 121; // right of the score corner
constexpr int kGroupRuleId = 122;  // left of the right-hand group

// Ids from kOnPanelColourFirstId to kOnPanelColourLastId (the labels, the code field and the hide box)
// are drawn on the panel's colour; the rules keep the system's.
constexpr int kOnPanelColourFirstId = 20;
constexpr int kOnPanelColourLastId = kHideBoxId;
