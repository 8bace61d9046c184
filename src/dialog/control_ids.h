#pragma once
// Numeric ids of the main dialog and its controls. The controller addresses
// every control by its id; the view maps ids to widgets.

namespace corvane::control {

inline constexpr int kMainDialog = 101;
inline constexpr int kProgramIcon = 102;

inline constexpr int kCancel = 2;  // hidden; closes the dialog like Escape

// Problem kind.
inline constexpr int kProblemFrame = 1053;
inline constexpr int kSystem = 1006;
inline constexpr int kInversion = 1007;
inline constexpr int kCondition = 1008;

// Language.
inline constexpr int kRomanianButton = 1043;
inline constexpr int kEnglishButton = 1044;

// Matrix.
inline constexpr int kMatrixFrame = 1054;
inline constexpr int kTypeLabel = 1045;
inline constexpr int kGeneral = 1009;
inline constexpr int kSymmetric = 1010;
inline constexpr int kInvertEntries = 1011;
inline constexpr int kSourceLabel = 1046;
inline constexpr int kDataFile = 1012;
inline constexpr int kGenerated = 1013;
inline constexpr int kGeneratorLabel = 1047;
inline constexpr int kGeneratorHelp = 1023;
inline constexpr int kGeneratorList = 1026;
inline constexpr int kNormLabel = 1058;
inline constexpr int kNormList = 1031;

// Solving options.
inline constexpr int kSolveFrame = 1055;
inline constexpr int kPrintLabel = 1049;
inline constexpr int kPrintMatrix = 1015;
inline constexpr int kPrintDeterminant = 1016;
inline constexpr int kPrintIterations = 1036;
inline constexpr int kCheckLabel = 1050;
inline constexpr int kCheckMaximum = 1017;
inline constexpr int kCheckEquations = 1018;
inline constexpr int kMethodLabel = 1051;
inline constexpr int kMethodList = 1019;
inline constexpr int kIterativeName = 1035;
inline constexpr int kIterationHelp = 1029;
inline constexpr int kEps = 1032;
inline constexpr int kNlim = 1033;
inline constexpr int kOmega = 1034;
inline constexpr int kOmegaExplorer = 1061;  // opens the relaxation explorer

// Files.
inline constexpr int kFileFrame = 1052;
inline constexpr int kDataFileHelp = 1022;
inline constexpr int kPath = 1025;
inline constexpr int kOpen = 1021;
inline constexpr int kSelect = 1020;
inline constexpr int kRead = 1024;
inline constexpr int kOrderLabel = 1056;
inline constexpr int kOrder = 1027;
inline constexpr int kRhsLabel = 1057;
inline constexpr int kRhsCount = 1028;

// Actions.
inline constexpr int kSolve = 30002;
inline constexpr int kAbout = 1030;
inline constexpr int kExit = 30001;
inline constexpr int kRunLines = 1059;  // what the last run wrote to standard output
inline constexpr int kConvergenceChart = 1060;  // the chart of the last Gauss-Seidel or SOR run
inline constexpr int kCompare = 1062;           // every method on the read data, side by side
inline constexpr int kImport = 1063;            // a Matrix Market matrix into a data file, then Read
inline constexpr int kSteps = 1064;             // the chosen method's working step by step, on the read data

inline constexpr int kUnaddressed = -1;  // frames, labels and markers never addressed

}  // namespace corvane::control
