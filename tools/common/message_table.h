// Every message of the authoring programs, in English then in French (UTF-8, non-ASCII bytes as
// escapes). {1} to {9} stand for the arguments, in any order. One line per message; no include guard:
// tools/common/messages.h and messages.cpp read it twice.
// clang-format off

// The tool's own usage and its use from Explorer.
JORVO_MESSAGE(UsageHeading, "usage: jorvo-maker COMMAND [ARGUMENTS]", "utilisation : jorvo-maker COMMANDE [ARGUMENTS]")
JORVO_MESSAGE(UsageOneCommand, "jorvo-maker COMMAND --help prints one command's usage.", "jorvo-maker COMMANDE --help d\xC3\xA9" "crit une commande.")
JORVO_MESSAGE(UsageOf, "usage: jorvo-maker {1}", "utilisation : jorvo-maker {1}")
JORVO_MESSAGE(UnknownCommand, "jorvo-maker: unknown command '{1}'", "jorvo-maker : commande inconnue \xC2\xAB {1} \xC2\xBB")
JORVO_MESSAGE(ExplorerHelp,
    "jorvo-maker makes a quiz program from a quiz source (a .quiz text file).\n\n"
    "To make one, drop your .quiz file on jorvo-maker.exe: the program NAME.exe is written beside it,\n"
    "with its pictures and sounds inside. What went wrong, if anything, is shown here.\n\n"
    "From a command prompt: jorvo-maker pack NAME.quiz -o NAME.exe (jorvo-maker help lists every command).\n",
    "jorvo-maker fabrique un programme de quiz \xC3\xA0 partir d'une source de quiz (un fichier texte .quiz).\n\n"
    "Pour en faire un, faites glisser votre fichier .quiz sur jorvo-maker.exe : le programme NOM.exe est \xC3\xA9" "crit\n"
    "\xC3\xA0 c\xC3\xB4t\xC3\xA9, avec ses images et ses sons. Si quelque chose ne va pas, c'est dit ici.\n\n"
    "Depuis une invite de commandes : jorvo-maker pack NOM.quiz -o NOM.exe (jorvo-maker help donne toutes les commandes).\n")
JORVO_MESSAGE(PressAKey, "Press a key to close this window.", "Appuyez sur une touche pour fermer cette fen\xC3\xAAtre.")
JORVO_MESSAGE(NotAQuizSource, "jorvo-maker: {1} is not a quiz source: drop a .quiz file on jorvo-maker", "jorvo-maker : {1} n'est pas une source de quiz : faites glisser un fichier .quiz sur jorvo-maker")

// What each command does (jorvo-maker help).
JORVO_MESSAGE(AboutJudge, "the verdict the player gives to TYPED (ACCEPTED may be 'a | b')", "le verdict que le lecteur donne \xC3\xA0 TYPED (ACCEPTED peut \xC3\xAAtre \xC2\xAB a | b \xC2\xBB)")
JORVO_MESSAGE(AboutImport, "write a quiz source from a spreadsheet's CSV or a GIFT file", "\xC3\xA9" "crire une source de quiz depuis le CSV d'un tableur ou un fichier GIFT")
JORVO_MESSAGE(AboutPack, "write a quiz program", "\xC3\xA9" "crire un programme de quiz")
JORVO_MESSAGE(AboutUnpack, "write a quiz program's source and media files into DIR", "\xC3\xA9" "crire dans DIR la source et les fichiers d'un programme de quiz")
JORVO_MESSAGE(AboutResults, "judge pupils' answers files as the player does: scores, codes, questions found", "juger les fichiers de r\xC3\xA9ponses des \xC3\xA9l\xC3\xA8ves comme le lecteur : scores, codes, questions trouv\xC3\xA9" "es")
JORVO_MESSAGE(AboutCode, "code a quiz source into the player's resources", "coder une source de quiz en ressources du lecteur")
JORVO_MESSAGE(AboutBuiltin, "write the player's built-in block", "\xC3\xA9" "crire le bloc int\xC3\xA9gr\xC3\xA9 du lecteur")
JORVO_MESSAGE(AboutPicture, "the bitmap the player makes of a PNG picture, as a BMP file", "l'image que le lecteur fait d'un PNG, en fichier BMP")
JORVO_MESSAGE(AboutVersion, "print the tool's version (also: jorvo-maker --version)", "afficher la version de l'outil (aussi : jorvo-maker --version)")

// Words shared by the commands.
JORVO_MESSAGE(WarningLine, "warning: {1}", "attention : {1}")
JORVO_MESSAGE(ErrorLine, "error: {1}", "erreur : {1}")
JORVO_MESSAGE(CannotRead, "cannot read {1}", "impossible de lire {1}")
JORVO_MESSAGE(CannotReadBecause, "cannot read {1}: {2}", "impossible de lire {1} : {2}")
JORVO_MESSAGE(CannotWrite, "cannot write {1}", "impossible d'\xC3\xA9" "crire {1}")
JORVO_MESSAGE(CannotMakeFolder, "cannot make the folder {1}", "impossible de cr\xC3\xA9" "er le dossier {1}")
JORVO_MESSAGE(NoSuchFile, "no such file", "ce fichier n'existe pas")
JORVO_MESSAGE(ReadError, "read error", "erreur de lecture")
JORVO_MESSAGE(UseSlashes, "folders are separated by / here: write {1}", "ici les dossiers se s\xC3\xA9parent par / : \xC3\xA9" "crivez {1}")
JORVO_MESSAGE(FileIsEmpty, "{1} is empty", "{1} est vide")
JORVO_MESSAGE(QuestionsOne, "{1} question", "{1} question")
JORVO_MESSAGE(QuestionsMany, "{1} questions", "{1} questions")
JORVO_MESSAGE(TextTooLong, "{1} has {2} characters; at most {3} fit", "{1} a {2} caract\xC3\xA8res ; {3} au plus y tiennent")
JORVO_MESSAGE(TooManySpellings, "{1} spellings; an answer keeps at most {2}", "{1} orthographes ; une r\xC3\xA9ponse en garde au plus {2}")
JORVO_MESSAGE(SizeInKilobytes, "{1} KB", "{1} Ko")
JORVO_MESSAGE(SizeInMegabytes, "{1} MB", "{1} Mo")

// pack
JORVO_MESSAGE(NothingWritten, "nothing written", "rien n'a \xC3\xA9t\xC3\xA9 \xC3\xA9" "crit")
JORVO_MESSAGE(PackWrote, "{1}: {2}, {3}", "{1} : {2}, {3}")
JORVO_MESSAGE(TemplateBuiltIn, "the template built into this program", "le mod\xC3\xA8le int\xC3\xA9gr\xC3\xA9 \xC3\xA0 ce programme")
JORVO_MESSAGE(TemplateNotFound, "no player template {1}: looked beside the program ({2}) and in the installed layout ({3}); name one with --template FILE", "aucun mod\xC3\xA8le de lecteur {1} : cherch\xC3\xA9 \xC3\xA0 c\xC3\xB4t\xC3\xA9 du programme ({2}) et dans l'installation ({3}) ; indiquez-en un avec --template FICHIER")
JORVO_MESSAGE(CannotReadTemplate, "cannot read the player template {1}", "impossible de lire le mod\xC3\xA8le de lecteur {1}")
JORVO_MESSAGE(TemplateNotWindows, "{1}: not an i686 or x86_64 Windows program", "{1} : ce n'est pas un programme Windows i686 ou x86_64")
JORVO_MESSAGE(TemplateWrongArch, "{1}: the template is not an {2} program", "{1} : le mod\xC3\xA8le n'est pas un programme {2}")
JORVO_MESSAGE(TemplateNotPlayer, "{1}: not a Jorvo player template (its panel dialogs 1001 and 1002 are missing)", "{1} : ce n'est pas un mod\xC3\xA8le de lecteur Jorvo (ses dialogues 1001 et 1002 manquent)")
JORVO_MESSAGE(TemplateHasQuiz, "{1}: this program already carries a quiz; use the player template", "{1} : ce programme contient d\xC3\xA9j\xC3\xA0 un quiz ; utilisez le mod\xC3\xA8le de lecteur")
JORVO_MESSAGE(QuizTextNotCoded, "the quiz text cannot be coded", "le texte du quiz ne peut pas \xC3\xAAtre cod\xC3\xA9")
JORVO_MESSAGE(ScoresNotCoded, "the score codes cannot be coded", "les codes de score ne peuvent pas \xC3\xAAtre cod\xC3\xA9s")
JORVO_MESSAGE(PictureLargerThanShown, "{1} is {2} x {3} pixels ({4}) but shows at {5} x {6}: a copy of that size would make the program much smaller", "{1} fait {2} x {3} pixels ({4}) mais s'affiche en {5} x {6} : une copie de cette taille rendrait le programme bien plus petit")

// The quiz source
JORVO_MESSAGE(UnknownKey, "unknown key '{1}'", "cl\xC3\xA9 inconnue \xC2\xAB {1} \xC2\xBB")
JORVO_MESSAGE(UnknownKeyNearest, "unknown key '{1}': did you mean '{2}'?", "cl\xC3\xA9 inconnue \xC2\xAB {1} \xC2\xBB : vouliez-vous \xC3\xA9" "crire \xC2\xAB {2} \xC2\xBB ?")
JORVO_MESSAGE(SourceIsUtf16, "the file is saved as UTF-16: save the file as UTF-8", "le fichier est enregistr\xC3\xA9 en UTF-16 : enregistrez-le en UTF-8")
JORVO_MESSAGE(SourceHasNul, "the file holds NUL bytes, as UTF-16 text does: save the file as UTF-8", "le fichier contient des octets NUL, comme un texte UTF-16 : enregistrez-le en UTF-8")
JORVO_MESSAGE(SourceNotUtf8, "byte 0x{1} is not UTF-8: the file seems saved as Latin-1 or Windows-1252; save the file as UTF-8", "l'octet 0x{1} n'est pas de l'UTF-8 : le fichier semble enregistr\xC3\xA9 en Latin-1 ou Windows-1252 ; enregistrez-le en UTF-8")
JORVO_MESSAGE(CannotShow, "{1}: {2}, which the player cannot show", "{1} : {2}, que le lecteur ne peut pas afficher")
JORVO_MESSAGE(NoBar, "{1}: the character '|' cannot be used (the player's data separates fields with it)", "{1} : le caract\xC3\xA8re \xC2\xAB | \xC2\xBB est interdit (les donn\xC3\xA9" "es du lecteur s\xC3\xA9parent les champs avec lui)")
JORVO_MESSAGE(TextTooLongToFit, "{1} is {2} characters long; at most {3} fit", "{1} fait {2} caract\xC3\xA8res ; {3} au plus y tiennent")
JORVO_MESSAGE(FirstSpellingNoBar, "{1}: the first spelling cannot hold '|' (the player's data separates fields with it); a later one can, written \\|", "{1} : la premi\xC3\xA8re orthographe ne peut pas contenir \xC2\xAB | \xC2\xBB (les donn\xC3\xA9" "es du lecteur s\xC3\xA9parent les champs avec lui) ; une suivante le peut, \xC3\xA9" "crit \\|")
JORVO_MESSAGE(AnswerTooLong, "{1} is {2} characters long; at most {3} fit in an answer field, so it could never be typed", "{1} fait {2} caract\xC3\xA8res ; un champ de r\xC3\xA9ponse en prend au plus {3}, elle ne pourrait jamais \xC3\xAAtre tap\xC3\xA9" "e")
JORVO_MESSAGE(NonBreakingEdge, "{1} starts or ends with a non-breaking space, so it could never be judged right: delete it", "{1} commence ou finit par une espace ins\xC3\xA9" "cable, elle ne pourrait jamais \xC3\xAAtre jug\xC3\xA9" "e juste : supprimez-la")
JORVO_MESSAGE(TooManySpellingsKept, "{1} has {2} spellings; at most {3} are kept", "{1} a {2} orthographes ; {3} au plus sont gard\xC3\xA9" "es")
JORVO_MESSAGE(EmptySpelling, "{1}: spelling {2} is empty (two '|' with nothing between)", "{1} : l'orthographe {2} est vide (deux \xC2\xAB | \xC2\xBB sans rien entre eux)")
JORVO_MESSAGE(SpellingTwice, "{1}: the spelling '{2}' is given twice: the second is dropped", "{1} : l'orthographe \xC2\xAB {2} \xC2\xBB est donn\xC3\xA9" "e deux fois : la seconde est ignor\xC3\xA9" "e")
JORVO_MESSAGE(SpellingsTooLong, "{1}: its spellings hold {2} characters together; at most {3} are kept", "{1} : ses orthographes font {2} caract\xC3\xA8res ensemble ; {3} au plus sont gard\xC3\xA9s")
JORVO_MESSAGE(GivenAgain, "{1} given again: this value replaces the one on line {2}", "{1} donn\xC3\xA9 encore : cette valeur remplace celle de la ligne {2}")
JORVO_MESSAGE(NumberFromTo, "{1} must be a number from {2} to {3}", "{1} doit \xC3\xAAtre un nombre de {2} \xC3\xA0 {3}")
JORVO_MESSAGE(KindMustBe, "kind must be text, pictures, audio or video", "kind doit valoir text, pictures, audio ou video")
JORVO_MESSAGE(ColourMustBe, "colour must be three numbers from 0 to 255: red green blue", "colour doit \xC3\xAAtre trois nombres de 0 \xC3\xA0 255 : rouge vert bleu")
JORVO_MESSAGE(NeedsFileName, "{1} needs a file name", "{1} demande un nom de fichier")
JORVO_MESSAGE(MostQuestions, "a quiz holds at most 96 questions", "un quiz contient au plus 96 questions")
JORVO_MESSAGE(BelongsToQuestion, "'{1}' belongs to a question: write 'question: ...' first", "\xC2\xAB {1} \xC2\xBB appartient \xC3\xA0 une question : \xC3\xA9" "crivez d'abord \xC2\xAB question: ... \xC2\xBB")
JORVO_MESSAGE(ShortAnswer, "the answer '{1}' has 3 characters or fewer: a wrong try shows FAUX, never a hint", "la r\xC3\xA9ponse \xC2\xAB {1} \xC2\xBB a 3 caract\xC3\xA8res ou moins : un essai faux affiche FAUX, jamais un indice")
JORVO_MESSAGE(ShortAnswerAndSpellings, "the answer '{1}' has 3 characters or fewer, as have its other spellings: a wrong try shows FAUX, never a hint", "la r\xC3\xA9ponse \xC2\xAB {1} \xC2\xBB a 3 caract\xC3\xA8res ou moins, comme ses autres orthographes : un essai faux affiche FAUX, jamais un indice")
JORVO_MESSAGE(QuestionN, "question {1}", "question {1}")
JORVO_MESSAGE(HasNoAnswer, "{1} has no answer", "{1} n'a pas de r\xC3\xA9ponse")
JORVO_MESSAGE(HasNoAnswer2, "{1} has no answer2 (write answer2: - for a question with one answer)", "{1} n'a pas de answer2 (\xC3\xA9" "crivez answer2: - pour une question \xC3\xA0 une r\xC3\xA9ponse)")
JORVO_MESSAGE(SingleFieldSpellings, "answer2: - gives the question a single field: its other spellings are ignored", "answer2: - donne \xC3\xA0 la question un seul champ : ses autres orthographes sont ignor\xC3\xA9" "es")
JORVO_MESSAGE(TextListOneAnswerIgnored, "a text-list quiz has one answer per question: answer2 is ignored", "un quiz en liste de textes a une r\xC3\xA9ponse par question : answer2 est ignor\xC3\xA9")
JORVO_MESSAGE(OneAnswerIgnored, "the quiz has one answer per question (answers: 1): answer2 is ignored", "le quiz a une r\xC3\xA9ponse par question (answers: 1) : answer2 est ignor\xC3\xA9")
JORVO_MESSAGE(HasNoPicture, "{1} has no picture (picture: FILE)", "{1} n'a pas d'image (picture: FICHIER)")
JORVO_MESSAGE(HasNoSound, "{1} has no sound (picture: FILE)", "{1} n'a pas de son (picture: FICHIER)")
JORVO_MESSAGE(HasNoFilm, "{1} has no film (picture: FILE)", "{1} n'a pas de film (picture: FICHIER)")
JORVO_MESSAGE(TextListNoPicture, "a text-list quiz shows no picture: picture is ignored", "un quiz en liste de textes n'affiche pas d'image : picture est ignor\xC3\xA9")
JORVO_MESSAGE(RewardIgnored, "reward pictures are shown only in a picture quiz with reveal-mode 1 or 3: reward is ignored", "les images de r\xC3\xA9" "compense ne s'affichent que dans un quiz d'images en reveal-mode 1 ou 3 : reward est ignor\xC3\xA9")
JORVO_MESSAGE(RevealIgnored, "reveal texts are shown only in a picture, audio or video quiz with reveal-mode 2, 3 or 4: reveal is ignored", "les textes de r\xC3\xA9v\xC3\xA9lation ne s'affichent que dans un quiz d'images, audio ou vid\xC3\xA9o en reveal-mode 2, 3 ou 4 : reveal est ignor\xC3\xA9")
JORVO_MESSAGE(NoQuestion, "the quiz has no question", "le quiz n'a aucune question")
JORVO_MESSAGE(TextListOneAnswer, "a text-list quiz has one answer per question (answers: 1)", "un quiz en liste de textes a une r\xC3\xA9ponse par question (answers: 1)")
JORVO_MESSAGE(TooManyScores, "{1}: at most one per possible score, 1 to {2}", "{1} : au plus une par score possible, de 1 \xC3\xA0 {2}")
JORVO_MESSAGE(TooFewScores, "{1}: a score above {2} shows no code", "{1} : un score au-dessus de {2} n'affiche aucun code")
JORVO_MESSAGE(ExpectedKeyValue, "expected 'key: value'", "\xC2\xAB cl\xC3\xA9: valeur \xC2\xBB attendu")
JORVO_MESSAGE(ScoreLinesOne, "{1} score line", "{1} ligne de score")
JORVO_MESSAGE(ScoreLinesMany, "{1} score lines", "{1} lignes de score")
JORVO_MESSAGE(ScoreLinesFor, "{1} for {2}", "{1} pour {2}")
JORVO_MESSAGE(WriteInSmallLetters, "{1}: write it in small letters, {2}", "{1} : \xC3\xA9" "crivez-le en minuscules, {2}")

// unpack
JORVO_MESSAGE(UnpackedFrom, "Unpacked from {1} by jorvo-maker unpack.", "Extrait de {1} par jorvo-maker unpack.")
JORVO_MESSAGE(UnpackedScrambled, "Its quiz was scrambled: pack it again with --scramble.", "Son quiz \xC3\xA9tait brouill\xC3\xA9 : refaites-le avec --scramble.")
JORVO_MESSAGE(UnpackWroteScrambled, "{1} (scrambled: pack with --scramble)", "{1} (brouill\xC3\xA9 : refaites-le avec --scramble)")
JORVO_MESSAGE(NoQuizInside, "no quiz inside (no PATCH 104 resource): not a Jorvo quiz program", "aucun quiz dedans (pas de ressource PATCH 104) : ce n'est pas un programme de quiz Jorvo")
JORVO_MESSAGE(QuizDoesNotDecode, "the quiz (PATCH 104) does not decode", "le quiz (PATCH 104) ne se d\xC3\xA9" "code pas")
JORVO_MESSAGE(ScoresDoNotDecode, "the score codes (PATCH 105) are missing or do not decode", "les codes de score (PATCH 105) manquent ou ne se d\xC3\xA9" "codent pas")
JORVO_MESSAGE(MoreScoresThanQuestions, "more score codes than questions", "plus de codes de score que de questions")

// results
JORVO_MESSAGE(ResultsSkipped, "{1} is skipped, not an answers file of this quiz: {2}", "{1} est laiss\xC3\xA9 de c\xC3\xB4t\xC3\xA9, ce n'est pas un fichier de r\xC3\xA9ponses de ce quiz : {2}")
JORVO_MESSAGE(AnswersUnreadable, "it cannot be read", "il ne peut pas \xC3\xAAtre lu")
JORVO_MESSAGE(AnswersBinary, "it holds binary data (byte {1} at offset {2})", "il contient des donn\xC3\xA9" "es binaires (octet {1} \xC3\xA0 la position {2})")
JORVO_MESSAGE(AnswersLineEnd, "line {1} does not end with CR LF, as the player writes its lines", "la ligne {1} ne finit pas par CR LF, comme le lecteur \xC3\xA9" "crit ses lignes")
JORVO_MESSAGE(AnswersLineTooLong, "line {1} holds {2} characters, more than an answer field's {3}", "la ligne {1} a {2} caract\xC3\xA8res, plus que les {3} d'un champ de r\xC3\xA9ponse")
JORVO_MESSAGE(AnswersLinesOne, "{1} line", "{1} ligne")
JORVO_MESSAGE(AnswersLinesMany, "{1} lines", "{1} lignes")
JORVO_MESSAGE(AnswersLineCount, "it has {1} where this quiz's answers file has {2}, one per answer field", "il a {1} quand le fichier de r\xC3\xA9ponses de ce quiz en a {2}, une par champ de r\xC3\xA9ponse")
JORVO_MESSAGE(ResultsPlayerSays, "the player would say: {1}", "le lecteur dirait : {1}")
JORVO_MESSAGE(ResultsNoQuestion, "the quiz has no question the player would show", "le quiz n'a aucune question que le lecteur montrerait")
JORVO_MESSAGE(ResultsSourceMistakes, "the quiz source has mistakes ({1}); run pack to see them all", "la source du quiz a des erreurs ({1}) ; lancez pack pour les voir toutes")
JORVO_MESSAGE(ResultsFile, "file", "fichier")
JORVO_MESSAGE(ResultsScore, "score", "score")
JORVO_MESSAGE(ResultsCode, "code", "code")
JORVO_MESSAGE(ResultsFound, "found", "trouv\xC3\xA9" "es")
JORVO_MESSAGE(ResultsQuestion, "question", "question")
JORVO_MESSAGE(ResultsFoundBy, "found by", "trouv\xC3\xA9" "e par")
JORVO_MESSAGE(ResultsQuestions, "questions", "questions")
JORVO_MESSAGE(ResultsFiles, "files", "fichiers")

// clang-format on
