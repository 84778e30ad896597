#pragma once

// The numbers of the language strings: the contract between the program and
// the language files (data/*.lan).
//
// For translators:
// - Line N of a .lan file is string N. There is no header, no key and no
//   comment syntax; the position of a line is its number. A file needs at
//   least HighestId lines. Numbers without a constant below are spare: keep a
//   line there so that the following lines keep their numbers.
// - Files are ISO 8859-1 (Latin-1): one byte per character, umlauts as single
//   bytes, the degree sign is byte 0xB0. UTF-8 shows up garbled.
// - A backslash followed by 'n' is a line break inside the string.
// - '&' before a letter of a menu label underlines it as the keyboard
//   mnemonic. Strings that are also shown as a tooltip or a window title
//   (37, 48, 90) must not contain '&'.
// - Seven strings are printf formats and are refused (the program falls back
//   to a built-in text) unless they hold exactly the conversion named:
//     9 and 22: exactly one floating-point conversion such as %.2f;
//     60, 115, 122, 140 and 141: exactly one %s.
//   Write %% for a percent sign in these, and use no '%' elsewhere.
// - Strings after HighestId were added later. A file that stops before one of
//   them still works: the program uses its built-in (German) text instead.
// - File-dialog filters (3, 5) are "description|patterns" pairs joined by '|'.

namespace Text {

// Window and help
constexpr int ProductTitle = 1;   // frame title, about dialog title
constexpr int HelpFileError = 4;  // error log when the help book (138) is refused
constexpr int HelpBook = 138;     // help book path, relative, forward slashes

// Menu titles and items
constexpr int FileMenu = 33;             // menu 1 title
constexpr int NewCaseMenu = 34;          // 5002
constexpr int OpenCaseMenu = 35;         // 5000
constexpr int SaveCaseMenu = 36;         // 5003
constexpr int SaveCaseAsMenu = 37;       // 5004; also tooltip of the save tool while a case file is named: no '&'
constexpr int OpenRecordingMenu = 40;    // 104
constexpr int SaveRecordingMenu = 41;    // 105
constexpr int SaveRecordingAsMenu = 42;  // 106
constexpr int ExitMenu = 38;             // 1
constexpr int OptionsMenu = 47;          // menu 2 title
constexpr int ViewSubmenu = 39;          // 632, submenu of the options menu
constexpr int ManifestModeMenu = 43;     // 603: deviation shown with both eyes open
constexpr int LatentModeMenu = 44;       // 604: deviation shown only under cover
constexpr int AxesAlwaysMenu = 51;       // 609: axis lines stay visible
constexpr int WholeDegreesMenu = 52;     // 619: angles in whole degrees
constexpr int EyeCrossToggle = 48;       // 606 menu label and tool 605 tooltip: no '&'
constexpr int PenlightMenu = 50;         // 608: eyes follow the pointer only while the button is down
constexpr int RepairMenu = 24;           // 112: interpolate the weak rows of a recording
constexpr int DisplayOptions = 90;       // 500 menu label and the options dialog title: no '&'
constexpr int LanguageMenu = 123;        // menu 3 title
constexpr int HelpMenu = 30;             // menu 4 title
constexpr int HelpContentsMenu = 32;     // 103
constexpr int AboutMenu = 31;            // 102

// Toolbar tooltips
constexpr int NewCaseTip = 57;              // 5002
constexpr int OpenCaseTip = 58;             // 5000
constexpr int SaveCaseTip = 59;             // 5003
constexpr int PenlightTip = 65;             // 607
constexpr int ResetViewTip = 49;            // 610
constexpr int HideValuesTip = 137;          // 630
constexpr int QuizTip = 69;                 // 629
constexpr int OccluderTip = 66;             // 621 and 624
constexpr int RedFilterTip = 67;            // 622 and 625
constexpr int TranslucentOccluderTip = 68;  // 623 and 626
constexpr int QuadrantEditTip = 27;         // 633: quadrant marking with the dotted grid
constexpr int HideQuadrantsTip = 136;       // 634

// Status bar
constexpr int CaseSavedStatus = 2;         // field 0 after a case was written
constexpr int RecordingLoadingStatus = 8;  // field 0 while a recording is read
constexpr int RecordingSavingStatus = 17;  // field 0 while a recording is written
constexpr int RecordingSavedStatus = 18;   // field 0 after a recording was written
constexpr int BothEyesStatus = 20;         // field 1 while both eyes deviate in mode 603 (100 px)
constexpr int ManifestModeStatus = 45;     // field 3 in mode 603 (60 px)
constexpr int LatentModeStatus = 46;       // field 3 in mode 604 (60 px)
constexpr int PlaybackTimeFormat = 9;  // field 2, format with one floating-point conversion: the row's time in seconds

// Eye groups of the main window
constexpr int EyeGroup1 = 77;              // box of eye 1: the patient's right eye, drawn on the viewer's left
constexpr int EyeGroup2 = 78;              // box of eye 2: the patient's left eye, drawn on the viewer's right
constexpr int HorizontalRow = 80;          // horizontal deviation row; row labels are about 65 px wide
constexpr int VerticalRow = 81;            // vertical deviation row
constexpr int TorsionRow = 82;             // torsion row while the torsion is 0
constexpr int IncycloRow = 83;             // torsion row while the shown torsion is positive
constexpr int ExcycloRow = 84;             // torsion row while the shown torsion is negative
constexpr int VerticalAxisTiltRow = 85;    // tilt of the vertical axis line
constexpr int HorizontalAxisTiltRow = 86;  // tilt of the horizontal axis line
constexpr int VerticalOffsetRow = 87;      // vertical offset shown under the red filter
constexpr int QualityRowLabel = 28;        // row 4 in playback mode, beside the sample quality
constexpr int FixingEyeLabel1 = 26;        // check box 113 in eye 1's box: eye 1 fixates under the red filter
constexpr int FixingEyeLabel2 = 25;        // check box 114 in eye 2's box: eye 2 fixates under the red filter
constexpr int FarLabel = 88;               // above the distance slider, 7 pt, very narrow
constexpr int NearLabel = 89;              // below the distance slider, 7 pt, very narrow

// Hint dialogs
constexpr int HintTitle = 53;          // title of both hint dialogs
constexpr int BothEyesHintText = 19;   // both eyes deviate in mode 603; 295 x 50 px, break lines with \n
constexpr int BothEyesHintCheck = 21;  // keep showing that hint; also in the options dialog
constexpr int TorsionHintText = 131;   // a cover tool used while an eye has torsion; 255 x 50 px
constexpr int TorsionHintCheck = 132;  // keep showing that hint; also in the options dialog

// Case files
constexpr int CaseFileWildcard = 3;       // file-dialog filter for .sd files
constexpr int OpenCasePrompt = 56;        // open dialog message
constexpr int SaveCasePrompt = 55;        // save dialog message
constexpr int FileOpenErrorFormat = 115;  // format with exactly one %s: the file name (cases, question files)
constexpr int OverwriteShortFile = 110;   // question before replacing a file too short to be a case
constexpr int OverwriteShortFileCaption = 111;
constexpr int SaveFailedFormat = 60;  // format with exactly one %s: the file that could not be written // its caption

// Recordings
constexpr int RecordingWildcard = 5;     // file-dialog filter for .stx and .txt recordings
constexpr int OpenRecordingPrompt = 6;   // open dialog message
constexpr int SaveRecordingPrompt = 7;   // save dialog message
constexpr int RecordingInvalid = 16;     // the file is not a recording that can be played back
constexpr int RepairConfirmFormat = 22;  // format with one floating-point conversion: the threshold (a fraction 0..1)
constexpr int RepairDone = 23;           // after the weak rows were replaced

// Display options dialog
constexpr int ColoursTab = 15;             // first tab: window and 3D view colours
constexpr int CoverTab = 14;               // red filter and occluder
constexpr int QuadrantTab = 134;           // third tab: quadrant overlay
constexpr int GeneralTab = 13;             // eyeball, quality threshold, hints
constexpr int OptionsGroupBox = 101;       // title of the boxes on the first three tabs
constexpr int PanelColourLabel = 91;       // colour rows, about 120 px wide
constexpr int TextColourLabel = 92;        // text of the main window
constexpr int BackgroundColourLabel = 93;  // background of the 3D view
constexpr int RedFilterColourLabel = 94;   // red filter colour
constexpr int OccluderColourLabel = 95;    // occluder colour
constexpr int CrossColourLabel = 96;       // eye cross colour
constexpr int AxisColourLabel = 97;        // axis line colour
constexpr int QuadrantColourLabel = 133;   // quadrant overlay colour
constexpr int RedFilterAlphaLabel = 106;   // transparency sliders, about 90 px wide
constexpr int OccluderAlphaLabel = 107;    // translucent occluder transparency
constexpr int QuadrantAlphaLabel = 135;    // quadrant overlay transparency
constexpr int EyeballBox = 102;            // smoothness of the eyeball sphere, 90 px wide
constexpr int EyeballCoarse = 103;         // 15 segments
constexpr int EyeballMedium = 104;         // 22 segments
constexpr int EyeballFine = 105;           // 45 segments
constexpr int ThresholdBox = 11;           // quality threshold of playback
constexpr int ThresholdCheck = 10;         // interpolate weak rows, 100 px wide
constexpr int ThresholdLabel = 12;         // in front of the threshold field, 30 px wide
constexpr int OkButton = 98;               // also the about dialog's button
constexpr int ApplyButton = 99;            // options dialog
constexpr int CancelButton = 100;          // options dialog

// Iris texture
constexpr int TextureError = 108;         // texturen.dat cannot be read
constexpr int TextureErrorCaption = 109;  // its caption

// Quiz
constexpr int QuizTitle = 29;             // quiz window title
constexpr int OpenQuestionsPrompt = 114;  // open dialog message for .sqs files
constexpr int Question = 116;             // "%d. %s" box label and result lines
constexpr int QuizInstructions = 118;     // answer field before a question file is open
constexpr int ResultsButton = 119;        // quiz button that scores the answers
constexpr int Total = 120;                // last line of the results
constexpr int ResultsTitle = 121;         // results dialog title

// Language files
constexpr int LanguageLoadErrorFormat = 122;  // format with exactly one %s: the language file name

// About dialog
constexpr int AboutProducedBy = 124;   // replaces "Eine Produktion von:" outside Deutsch.lan
constexpr int AboutAndThe = 128;       // replaces "und der" outside Deutsch.lan
constexpr int AboutProgramming = 126;  // label before the programmer line
constexpr int AboutConcept = 127;      // label before the concept line
constexpr int AboutClickHere = 130;    // points at the logo buttons

// Added after the first release; files without them get the built-in text.
constexpr int SaveChangesQuestion = 139;  // before an edited case or recording is left, no file name
constexpr int SaveChangesToFormat = 140;  // the same with exactly one %s: the file name
constexpr int ReplaceFileFormat = 141;    // before a file is overwritten, exactly one %s: the path
constexpr int QuestionWildcard = 142;     // file-dialog filter for .sqs question files
constexpr int LanguageCode = 143;         // ISO 639-1 code of the file's language ("de", "en")
constexpr int PlaybackStartTip = 144;     // 107
constexpr int PlaybackPauseTip = 145;     // 109
constexpr int PlaybackStopTip = 146;      // 108
constexpr int ReviewButton = 147;         // results dialog: opens the review of the answers
constexpr int ReviewTitle = 148;          // review window title
constexpr int YourAnswer = 149;           // review: before the trainee's answer
constexpr int PointsLabel = 150;          // review: before the points reached, "2/3"
constexpr int WouldHaveScored = 151;      // review: before the answers that earn points
constexpr int ExplanationLabel = 152;     // review: before the question file's explanation
constexpr int PointSingular = 153;        // after the number 1, as in "(1 point)"
constexpr int PointPlural = 154;          // after any other number, as in "(3 points)"
constexpr int NoAnswer = 155;             // review: in place of an answer never given
constexpr int SaveResultsButton = 156;    // review window: writes the session as CSV
constexpr int TraineeNamePrompt = 157;    // asked once before the first save of results
constexpr int ShuffleQuestions = 158;     // quiz window check box: questions in random order
constexpr int ResultsWildcard = 159;      // file-dialog filter for saved results (.csv)

// Muscle strengths (Options menu, dialog, companion file of a case).
constexpr int MusclesMenu = 160;
constexpr int MusclesTitle = 161;
constexpr int MusclePresetLabel = 162;
constexpr int MusclesReset = 163;
constexpr int SixthNervePalsy = 164;  // presets, in this order
constexpr int FourthNervePalsy = 165;
constexpr int ThirdNervePalsy = 166;
constexpr int BrownSyndrome = 167;
constexpr int DuaneSyndrome = 168;
constexpr int PresetRightEye = 169;
constexpr int PresetLeftEye = 170;
constexpr int MuscleFileRefusedFormat = 171;  // exactly one %s: the case file's path
constexpr int MuscleFileNoHeader = 172;       // reasons, in the order of MuscleFileError
constexpr int MuscleFileBadLine = 173;
constexpr int MuscleFileUnknownKey = 174;
constexpr int MuscleFileRepeatedKey = 175;
constexpr int MuscleFileBadValue = 176;
constexpr int MuscleFileUnreadable = 177;
constexpr int MuscleFileLine = 178;  // "Line", before the number of the faulty line
constexpr int LateralRectus = 179;   // muscle names, in the order of Muscle
constexpr int MedialRectus = 180;
constexpr int SuperiorRectus = 181;
constexpr int InferiorRectus = 182;
constexpr int SuperiorOblique = 183;
constexpr int InferiorOblique = 184;

// Recordings you can read: stepping, speed and the traces.
constexpr int PreviousRowTip = 190;     // playback bar: one row back
constexpr int NextRowTip = 191;         // playback bar: one row on
constexpr int PlaybackSpeedTip = 192;   // playback bar: the speed choice
constexpr int TracePanelTip = 193;      // trace panel: click to seek, wheel to zoom
constexpr int TraceInterpolated = 194;  // trace legend: weak rows bridged by interpolation

// Lecture hall: presentation, pictures and the examination menu.
constexpr int ExaminationMenu = 210;         // menu title
constexpr int PresentationMenu = 211;        // View submenu item, F11
constexpr int ExportPictureMenu = 212;       // File menu item
constexpr int CopyPictureMenu = 213;         // File menu item
constexpr int PictureSizeQuestion = 214;     // export: the choice of size
constexpr int PictureSizeView = 215;         // export at the view's size
constexpr int PictureWildcard = 216;         // file-dialog filter for PNG pictures
constexpr int UncoverMenu = 217;             // every cover aid off
constexpr int AlternateCoverMenu = 218;      // the occluder moves to the other eye
constexpr int FarEndMenu = 219;              // distance slider to the far end
constexpr int NearEndMenu = 220;             // distance slider to the near end
constexpr int NearerMenu = 221;              // one step nearer
constexpr int FartherMenu = 222;             // one step farther
constexpr int GazeSubmenu = 223;             // submenu of the nine positions of gaze
constexpr int GazeFollowsPointerMenu = 224;  // the eyes follow the pointer again
constexpr int GazeStraightMenu = 225;        // the nine positions, as the examiner sees them
constexpr int GazeUpMenu = 226;
constexpr int GazeDownMenu = 227;
constexpr int GazeViewerLeftMenu = 228;  // towards the viewer's left: the patient's right
constexpr int GazeViewerRightMenu = 229;
constexpr int GazeUpLeftMenu = 230;
constexpr int GazeUpRightMenu = 231;
constexpr int GazeDownLeftMenu = 232;
constexpr int GazeDownRightMenu = 233;
constexpr int EccentricitySubmenu = 234;  // how far the nine positions lie from straight ahead

// Measuring the deviation: prisms and the corneal light reflex.
constexpr int PrismSubmenu = 235;       // Examination submenu of the loose prisms
constexpr int PrismDialogMenu = 236;    // the prism chooser
constexpr int PrismStrongerMenu = 237;  // next power of the prism bar, before one eye
constexpr int PrismWeakerMenu = 238;    // previous power, down to none
constexpr int PrismNextBaseMenu = 239;  // out, in, up, down in turn
constexpr int RemovePrismsMenu = 240;
constexpr int PrismDialogTitle = 241;  // title of the prism chooser
constexpr int PrismPowerLabel = 242;   // prism chooser column
constexpr int PrismBaseLabel = 243;    // prism chooser column
constexpr int PrismNone = 244;         // no prism before the eye
constexpr int PrismBaseOut = 245;      // also in the status bar and the quiz review
constexpr int PrismBaseIn = 246;
constexpr int PrismBaseUp = 247;
constexpr int PrismBaseDown = 248;
constexpr int PrismUnit = 249;         // short name of the prism dioptre, also on the Hess chart
constexpr int PrismStatusRight = 250;  // status bar: prism before the right eye
constexpr int PrismStatusLeft = 251;   // status bar: prism before the left eye
constexpr int AngleKappaCheck = 252;   // display options
constexpr int RangeTo = 253;           // quiz review: "20 to 25 PD base out"

// Nine positions of gaze and the Hess chart.
constexpr int HessChartMenu = 260;         // View menu: the Hess chart window
constexpr int NinePositionsMenu = 261;     // View menu: the nine positions of gaze window
constexpr int HessLeftField = 262;         // heading of the left eye's field
constexpr int HessRightField = 263;        // heading of the right eye's field
constexpr int EsoWord = 264;               // the plotted eye points inward
constexpr int ExoWord = 265;               // outward
constexpr int HyperWord = 266;             // upward
constexpr int HypoWord = 267;              // downward
constexpr int PrimaryPositionLabel = 268;  // before the deviation in the primary position
constexpr int HessConvention = 270;        // how the chart is to be read
constexpr int ExportSvgButton = 271;       // Hess chart: save as SVG
constexpr int ExportPngButton = 272;       // chart windows: save as PNG
constexpr int PrintButton = 273;           // Hess chart: print
constexpr int PrintPreviewButton = 274;    // Hess chart: print preview
constexpr int SvgWildcard = 275;           // file-dialog filter for SVG drawings
constexpr int UnsavedCaseName = 276;       // chart title of a case not saved yet
constexpr int EccentricityLabel = 277;     // nine positions: how far out
constexpr int PrintFailed = 278;           // the printer refused the chart
constexpr int AnswerNaming = 279;          // quiz review: "an answer naming left and converging"
constexpr int AndWord = 280;               // quiz review: before the last of several words
constexpr int SeveralBasesNamed = 281;     // quiz review: why a measurement naming two bases scored 0
constexpr int BeyondMeasurement = 282;     // Hess chart: a deviation of 90 degrees or more
constexpr int DecimalMark = 283;           // between whole and fraction in numbers shown ("." or ",")
constexpr int NoBrowserFormat = 284;       // no web browser started, exactly one %s: the address
constexpr int AboutCopyright = 285;        // about dialog: the copyright line
constexpr int CannotFixate = 286;          // the fixing eye cannot reach the target: no measurement
constexpr int CycloStaysOption = 287;      // display option: torsion kept through cover changes
constexpr int DeviationHeading = 288;      // --measure: the row of the deviation between the eyes
constexpr int ExportPdfButton = 289;       // Hess chart window: one A4 page as a PDF document
constexpr int PdfWildcard = 290;           // file-dialog filter of that export
constexpr int ButNotWord = 291;            // quiz review: before the words an answer must not name
constexpr int OrWord = 292;                // quiz review: before the last of several excluded words
constexpr int AnswerNotNaming = 293;       // quiz review: "an answer not naming right or up"
constexpr int HeadTurnWord = 294;          // --measure: the face turned, right positive
constexpr int HeadTiltWord = 295;          // --measure: the head tilted, right ear down positive
constexpr int FaceMenu = 296;              // 770: skin, lids and brows around the eyes
constexpr int LevatorMuscle = 297;         // muscles dialog: the upper lid's levator, after the six muscles
constexpr int HeadSubmenu = 298;           // View menu: the submenu of the patient's head posture
constexpr int TurnFaceRightMenu = 299;     // the patient turns his face towards his right
constexpr int TurnFaceLeftMenu = 300;      // towards his left
constexpr int TiltHeadRightMenu = 301;     // the right ear towards the right shoulder
constexpr int TiltHeadLeftMenu = 302;      // the left ear towards the left shoulder
constexpr int ChinUpMenu = 303;            // the chin lifted
constexpr int ChinDownMenu = 304;          // the chin lowered
constexpr int StraightenHeadMenu = 305;    // the head held straight again
constexpr int CompensatoryHeadMenu = 306;  // the posture the case's patient takes up of himself
constexpr int HeadStatus = 307;            // status bar: before the head posture
constexpr int TurnStatusWord = 308;        // status bar: the face turned
constexpr int TiltStatusWord = 309;        // status bar: the head tilted
constexpr int ChinStatusWord = 310;        // status bar: the chin lifted or lowered
constexpr int RightWord = 311;             // status bar: towards the patient's right
constexpr int LeftWord = 312;              // towards the patient's left
constexpr int UpWord = 313;                // the chin up
constexpr int DownWord = 314;              // the chin down
constexpr int BadHeadAngle = 315;          // muscle file refused: a head posture out of range
constexpr int ShowTargetMenu = 316;        // View menu: the fixation target drawn in the room
constexpr int ShowDeviationMenu = 317;     // View menu: the prism cover test's deviation in the status bar

// A language file needs at least this many lines.
constexpr int HighestId = HelpBook;
// The last string the shipped files define.
constexpr int LastId = ShowDeviationMenu;

}  // namespace Text
