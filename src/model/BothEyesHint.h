#pragma once

// The hint that a manifest deviation of both eyes is unusual appears once each
// time the model enters that condition, not on every edit that keeps it.
class BothEyesHint {
public:
    // Called after every store. active: manifest mode (603) is checked and no
    // recording is played back; while inactive the arming is left as it is.
    // Returns true when the hint dialog is due now; the caller still honours
    // the user's "show this hint" preference.
    bool Check(bool conditionHolds, bool active);

    bool Armed() const { return m_armed; }

private:
    bool m_armed = true;
};
