#include "model/BothEyesHint.h"

bool BothEyesHint::Check(bool conditionHolds, bool active)
{
    if (!active)
        return false;
    if (!conditionHolds) {
        m_armed = true;
        return false;
    }
    const bool due = m_armed;
    m_armed = false;
    return due;
}
