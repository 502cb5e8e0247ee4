// Control and command ids of the Studio's main window: every handler finds its control by these.
#pragma once

enum StudioControlId {
    // Quiz settings: each label has the id of its field minus one.
    kTitleLabel = 101,
    kTitleEdit,
    kAuthorLabel,
    kAuthorEdit,
    kExplanationLabel,
    kExplanationEdit,
    kKindLabel,
    kKindCombo,
    kAnswersLabel,
    kAnswersCombo,
    kRevealModeLabel,
    kRevealModeCombo,
    kColourButton,
    kColourSample,
    kLabel1Label,
    kLabel1Edit,
    kLabel2Label,
    kLabel2Edit,
    kScoresLabel,
    kScoresEdit,
    kScoresNote,
    // The question list (its buttons carry the commands' ids).
    kQuestionsLabel = 201,
    kQuestionList,
    // The editor of the selected question.
    kQuestionTextLabel = 301,
    kQuestionTextEdit,
    kAnswer1Label,
    kAnswer1Edit,
    kAnswer2Label,
    kAnswer2Edit,
    kRevealLabel,
    kRevealEdit,
    kMediaLabel,
    kMediaEdit,
    kMediaBrowse,
    kRewardLabel,
    kRewardEdit,
    kRewardBrowse,
    kThumbnail,
    // Trying an answer: the verdict label has the player's first verdict id, so that the player's
    // colouring paints it.
    kTryLabel = 401,
    kTryEdit = 4001,
    kTryVerdict = 5001,
    // The problems list.
    kProblemsLabel = 501,
    kProblemList,
};

// Menu items, accelerators and the buttons that do the same.
enum StudioCommandId {
    kCommandNew = 1001,
    kCommandOpen,
    kCommandSave,
    kCommandSaveAs,
    kCommandOpenProgram,
    kCommandQuit,
    kCommandAdd,
    kCommandInsert,
    kCommandDelete,
    kCommandUp,
    kCommandDown,
    kCommandTryAnswer,
    kCommandTryQuiz,
    kCommandBuild,
    kCommandProblems,
};
