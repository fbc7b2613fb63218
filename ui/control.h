#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "ui/color.h"

namespace ui {

class Window;

enum class ControlKind {
    Label,
    TextBox,
    ComboBox,
    ListBox,
    FileList,
    PictureBox,  // a container that may also show a picture
    Image,
    Frame,
    ProgressBar,
    Timer,
    Shape,
    Line,
    MenuItem,
};

enum class Property {
    Caption,  // also Text: labels, frames and menu items show a caption, boxes hold a text
    Enabled,
    Visible,
    ForeColor,
    BackColor,
    BorderStyle,
    Items,
    ListIndex,
    Folder,  // folder and pattern of a file list
    Value,   // value, minimum and maximum of a progress bar
    Interval,
    Picture,
    Geometry,
    Checked,  // the check mark of a menu item
    Warning,  // how near the value a label shows is to ending the game
};

// How near a value the player must keep up (satiety, mood, money) is to ending the game. The
// game sets it after every event; the front end makes a label that warns stand out.
enum class Warning { None, Low, Critical };

enum class MouseButton { Left, Right };
enum class Align { Left, Center, Right };

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(class Control& control, Property property) = 0;
};

// A control of a window: a plain object with the properties the rules use. Setting a property
// tells the one observer (the on-screen view, if any); nothing else watches.
class Control {
public:
    Control(Window& window, QString name, ControlKind kind, Rect geometry, Control* parent);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Window& window() const { return window_; }
    Control* parent() const { return parent_; }

    Rect geometry() const { return geometry_; }
    void setGeometry(Rect geometry);

    // Labels, frames and menu items call it caption, text and combo boxes call it text.
    const QString& caption() const { return text_; }
    const QString& text() const { return text_; }
    void setCaption(const QString& text);
    void setText(const QString& text) { setCaption(text); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // Seen and usable by a player: visible and enabled, inside visible and enabled containers
    // of an enabled, visible window. (The application adds what stands above the window: see
    // Application::obstacle.)
    bool reachable() const;
    // The first of this control and its containers, inside out, that is hidden or disabled;
    // null when none is.
    const Control* blocker() const;
    // Seen by a player: it and every container it lies in are visible.
    bool shown() const;

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    // List box, combo box and file list rows.
    const QStringList& items() const { return items_; }
    void setItems(const QStringList& items);
    void addItem(const QString& item);
    void clearItems();
    QString item(int row) const;
    int listIndex() const { return listIndex_; }
    void setListIndex(int row);

    // File list: the names in a folder that match a pattern, refreshed on demand.
    const QString& folder() const { return folder_; }
    const QString& pattern() const { return pattern_; }
    void setFolder(const QString& folder);
    void setPattern(const QString& pattern);
    void refresh();
    // The selected file's name, empty when none is selected.
    QString fileName() const;

    int value() const { return value_; }
    void setValue(int value);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    void setRange(int minimum, int maximum);

    // Timer interval in milliseconds; a timer runs while it is enabled.
    int interval() const { return interval_; }
    void setInterval(int ms);

    // The picture file shown (a resource or a file in the game folder), empty for none.
    const QString& picture() const { return picture_; }
    void setPicture(const QString& file);

    // A menu item's check mark (the current speed, the sound switch).
    bool checked() const { return checked_; }
    void setChecked(bool checked);

    // A label's warning: shown in the colour of the danger instead of its own, until it is None.
    Warning warning() const { return warning_; }
    void setWarning(Warning warning);

    // Design-time look, fixed after construction.
    int fontSize = 10;
    bool bold = false;
    Align align = Align::Left;
    bool multiLine = false;
    bool readOnly = false;
    // A label that works as a button: the keyboard reaches it (Tab), and Space or Enter press
    // it as a left click does, pressed look included. Set by giveButtonLook.
    bool labelButton = false;
    // A list that only shows values beside another (prices): never selected, never focused.
    bool displayOnly = false;
    // A menu item that shows a check mark, and the key that clicks it ("Ctrl+N", "P"); the
    // view shows the key beside the caption.
    bool checkable = false;
    QString shortcut;
    // A label drawn without its background, so that a picture under it shows through.
    bool transparent = false;

    // What a screen reader makes of the control (ui/spoken.h), set with the layout.
    // labelledBy: the label that introduces it. Its caption names a box, a list or a picture,
    //   and comes before the value a label shows: "Деньги: 200".
    // spokenName: the same words where no label on screen says them (the clock's "Время").
    // valuesBeside: display-only columns that show a value of this control beside it, each
    //   named by its own label: for a list the same row of each (a store's prices), for a
    //   button the row level with it, rowBeside.
    // decorative: a picture that is only the look of a window, passed over.
    Control* labelledBy = nullptr;
    QString spokenName;
    std::vector<Control*> valuesBeside;
    int rowBeside = -1;
    bool decorative = false;

    // Events; empty handlers ignore the event.
    std::function<void()> onClick;
    std::function<void(MouseButton)> onMouseDown;
    std::function<void(MouseButton)> onMouseUp;
    std::function<void(int)> onKeyPress;
    std::function<void()> onTick;

    void setObserver(ControlObserver* observer) { observer_ = observer; }

private:
    void changed(Property property);

    Window& window_;
    QString name_;
    ControlKind kind_;
    Rect geometry_;
    Control* parent_;
    QString text_;
    bool enabled_ = true;
    bool visible_ = true;
    Color foreColor_ = colors::BrightGreen;
    Color backColor_ = colors::Black;
    int borderStyle_ = 0;
    QStringList items_;
    int listIndex_ = -1;
    QString folder_;
    QString pattern_;
    int value_ = 0;
    int min_ = 0;
    int max_ = 100;
    int interval_ = 0;
    QString picture_;
    bool checked_ = false;
    Warning warning_ = Warning::None;
    ControlObserver* observer_ = nullptr;
};

}  // namespace ui
