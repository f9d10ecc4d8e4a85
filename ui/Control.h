#pragma once

#include "ui/ScreenCommand.h"
#include "platform/Vector4.h"

#include <memory>
#include <string>
#include <vector>

namespace NControls {

// The base of every widget, panel and screen: a rectangle with a position relative to its parent,
// a size, a visibility flag, a name and owned children that are drawn and served in list order.
// Input coordinates are client pixels; each level passes them on relative to itself.
class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Releases every child, depth first, in list order. Widgets extend it to release their images.
    virtual void releaseChildren();
    // dt in milliseconds.
    virtual void update(float dt);
    // Draws each child at its absolute position; the base draws nothing of its own.
    virtual void draw();
    // Strictly inside the rectangle: the edges and position + size are outside.
    virtual bool hitTest(float x, float y);
    virtual bool onLeftDown(float x, float y);
    virtual bool onLeftUp(float x, float y);
    virtual bool onRightDown(float x, float y);
    virtual bool onRightUp(float x, float y);
    // A child widget reports its activation here.
    virtual void onCommand(Control* sender);
    // Every child of a visible control sees every move, wherever the pointer is.
    virtual bool onMouseMove(float x, float y);
    virtual void onKeyDown(int key, int flags);
    // Stores the size; the centre keeps its value until the position is set again.
    virtual void setSize(int width, int height);

    // Appends and takes ownership.
    void addChild(std::unique_ptr<Control> child);
    template <class T> T* add(std::unique_ptr<T> child)
    {
        T* raw = child.get();
        addChild(std::move(child));
        return raw;
    }
    // Takes the first entry equal to child out of the list without deleting it; the caller owns it.
    std::unique_ptr<Control> removeChild(Control* child);
    const std::vector<std::unique_ptr<Control>>& children() const { return m_children; }

    void setVisible(bool visible) { m_visible = visible; }
    bool isVisible() const { return m_visible; }
    // Sets the top-left corner; the centre follows (half sizes in integers).
    void setPosition(float x, float y, float z = 0.0f);
    // Sets the centre; the top-left corner follows.
    void setCentre(float x, float y, float z = 0.0f);
    const Vector4& getPosition() const { return m_position; }
    const Vector4& getCentre() const { return m_centre; }
    void setName(const std::string& name) { m_name = name; }
    const std::string& getName() const { return m_name; }
    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }

    // The result a screen or panel leaves for its owner ("OK", "NEW_GAME", ...), read and cleared
    // by the owner.
    ScreenCommand getCommand() const { return m_command; }
    void setCommand(ScreenCommand command) { m_command = command; }
    void clearCommand() { m_command = ScreenCommand::None; }

protected:
    using MouseHandler = bool (Control::*)(float, float);
    // The shared mouse dispatch: hidden or missed controls say no, else every child is offered
    // the point relative to this control.
    bool dispatchMouse(MouseHandler handler, float x, float y);

    Vector4 m_position;
    Vector4 m_centre;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = true;
    std::string m_name;
    std::vector<std::unique_ptr<Control>> m_children;
    ScreenCommand m_command = ScreenCommand::None;
};

} // namespace NControls
