#pragma once
// A pivot below its threshold that stopped an elimination (Gauss, or the
// inversion of the condition number), for whoever tells it besides the
// report (the dialog's panel).

namespace corvane {

struct SmallPivot {
    int row;          // the step whose pivot fell below the threshold
    float pivot;      // signed, as the report prints it
    float threshold;  // compared with the pivot's magnitude
};

class PivotListener {
public:
    virtual ~PivotListener() = default;
    virtual void pivotBelowThreshold(const SmallPivot& pivot) = 0;
};

}  // namespace corvane
