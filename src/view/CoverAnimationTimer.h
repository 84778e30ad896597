#pragma once

#include "view/CoverAnimation.h"

#include <wx/timer.h>

#include <functional>

class ViewHost;

// Runs the refixation movements of the eyes: every tick follows the cover
// aids and fixing eyes of the examination and asks for a repaint while a
// movement is under way.
class CoverAnimationTimer : public wxTimer {
public:
    static constexpr int kIntervalMs = 10;

    CoverAnimationTimer(const ViewHost& host, std::function<void()> repaint)
        : m_host(host), m_repaint(std::move(repaint))
    {}

    void Notify() override;

    const CoverBlends& Blends() const { return m_animation.Blends(); }
    const CoverAnimation& Animation() const { return m_animation; }
    // Ticks so far in which a factor moved and the view was asked to repaint.
    unsigned long MovingTicks() const { return m_movingTicks; }

private:
    const ViewHost& m_host;
    std::function<void()> m_repaint;
    CoverAnimation m_animation;
    unsigned long m_movingTicks = 0;
};
