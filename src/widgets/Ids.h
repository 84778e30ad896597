#pragma once

// Every menu item, tool and control of the main window is known by its
// numeric id; case files, settings and the help book speak the same numbers.
// Text-field and spin-button ids of the twelve angles live with the model's
// control table (model/EyeQuantity.h).
namespace Id {
enum : int {
    Exit = 1,
    About = 102,
    HelpContents = 103,
    OpenRecording = 104,
    SaveRecording = 105,
    SaveRecordingAs = 106,
    PlaybackStart = 107,
    PlaybackStop = 108,
    PlaybackPause = 109,
    TimeSlider = 110,
    RepairRecording = 112,
    CoverCheckBox1 = 113,
    CoverCheckBox2 = 114,
    FirstLanguage = 115,
    LastLanguage = 214,  // at most 100 language files get a menu item
    PlaybackPreviousRow = 220,
    PlaybackNextRow = 221,
    PlaybackSpeed = 222,
    TracePanel = 223,

    GazeSliderEye1Vertical = 300,
    GazeSliderEye2Vertical = 301,
    GazeSliderEye1Horizontal = 302,
    GazeSliderEye2Horizontal = 303,
    BlendSlider = 304,

    // Ranges of the quantity controls, for the event table.
    FirstQuantityText = 400,
    LastRotationText = 405,
    FirstQuantitySpin = 406,
    LastQuantitySpin = 417,
    FirstTiltText = 418,
    LastQuantityText = 423,

    DisplayOptions = 500,
    ToolBar = 500,
    Panel = 501,
    Muscles = 502,

    ModeManifest = 603,
    ModeLatent = 604,
    EyeCrossTool = 605,
    EyeCrossItem = 606,
    FlashlightTool = 607,
    FlashlightItem = 608,
    AxisLinesItem = 609,
    ResetViewTool = 610,
    WholeDegreesItem = 619,
    OccluderEye1 = 621,
    RedFilterEye1 = 622,
    TranslucentEye1 = 623,
    OccluderEye2 = 624,
    RedFilterEye2 = 625,
    TranslucentEye2 = 626,
    QuizTool = 629,
    HideValuesTool = 630,
    ViewSubmenu = 632,
    QuadrantEditTool = 633,
    QuadrantHideTool = 634,

    // Lecture hall: presentation, pictures and the examination keys.
    Presentation = 700,
    ExportPicture = 701,
    CopyPicture = 702,
    CoverRightEyeOccluder = 710,  // the six cover items mirror tools 621-626 in their order
    CoverLeftEyeTranslucent = 715,
    Uncover = 716,
    AlternateCover = 717,
    DistanceFar = 718,
    DistanceNear = 719,
    DistanceNearer = 720,
    DistanceFarther = 721,
    GazeFollowsPointer = 722,
    FirstGazePosition = 723,  // nine positions in the order of the numeric keypad, 1 to 9
    LastGazePosition = 731,
    FirstEccentricity = 732,  // 10, 15, 20, 25 and 30 degrees
    LastEccentricity = 736,
    ValuesPeekTimer = 737,
    // Keys without a menu item or tool.
    PeekAtValues = 750,
    LeavePresentation = 751,
    GazeSubmenu = 738,
    EccentricitySubmenu = 739,
    HessChart = 760,      // View menu: the Hess chart window
    NinePositions = 761,  // View menu: the nine positions window
    HessChartWindow = 762,
    NinePositionsWindow = 763,
    ChartExportSvg = 764,
    ChartExportPng = 765,
    ChartPrint = 766,
    ChartPrintPreview = 767,
    NineEccentricity = 768,  // the chooser of how far out the nine positions lie
    ChartExportPdf = 769,
    FaceItem = 770,  // View menu: skin, lids and brows around the eyes

    // The patient's head posture: turn the face right, left, tilt the head
    // right, left, chin up, down, a step each; then straight and the case's own.
    HeadSubmenu = 780,
    FirstHeadStep = 781,
    LastHeadStep = 786,
    StraightenHead = 787,
    CompensatoryHead = 788,

    ShowTargetItem = 795,     // View menu: the fixation target drawn where the patient looks
    ShowDeviationItem = 796,  // View menu: the deviation in numbers in the status bar

    // Loose prisms before the eyes.
    PrismSubmenu = 740,
    PrismChooser = 741,
    PrismStrongerEye1 = 742,  // stronger, weaker, next base for eye 1, then the same for eye 2
    PrismNextBaseEye2 = 747,
    RemovePrisms = 748,

    OpenCase = 5000,
    NewCase = 5002,
    SaveCase = 5003,
    SaveCaseAs = 5004,
};
}
