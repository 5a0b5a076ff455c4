#pragma once
// Controls bound to the keys they show. A group names each of its keys once, in a row that binds it to its
// control; the group's load and save steps then walk those rows, each step in its own order (the load and the
// save take the keys in different orders).
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace editor {

// The two game files of the last load, as the main window holds them: a group reads them on a load and writes
// into them on a save, whatever the options window resolves meanwhile (its paths take effect at the next load).
struct GameFiles {
    std::function<QString()> player;
    std::function<QString()> engine;
};

enum class GameFile { Player, Engine };

// How a control takes the text that a load reads for its key, and the text that a save writes from it
// (nothing: the key stays as the file has it). A row that only one procedure walks leaves the other empty.
struct Accessor {
    std::function<void(const QString& value)> show;
    std::function<std::optional<QString>()> value;
};

// One key bound to its control: the file and section it lives in, its name, and the default that the load
// passes to ReadINI (a sentinel, where the control shows something else for a missing key).
struct KeyBinding {
    GameFile file;
    QString section;
    QString key;
    QString defaultValue;
    Accessor control;
};

// ---- Accessors, one per kind of control ----

// Which texts check a box: "True" only, or "True" and "true".
enum class TrueText { Exact, OrLower };
// A check box: checked when the key reads a text of `checking`; saved as "True" or "False".
Accessor checkBox(QCheckBox* box, TrueText checking = TrueText::Exact);
// A text box or a label: shows the text as read, and saves the text it shows. With a sentinel, a key that reads
// the sentinel (a missing key) shows `instead`.
Accessor text(QLineEdit* box);
Accessor text(QLineEdit* box, const QString& sentinel, const QString& instead);
Accessor text(QLabel* label, const QString& sentinel, const QString& instead);
// A slider with its read-out, scaled by 100: see showScaledValue. The save writes the read-out's text.
Accessor scaledSlider(QSlider* slider, QLabel* readOut);

// Check box i bound to key i of a key table, all in one section.
template <std::size_t N>
std::vector<KeyBinding> checkBoxRows(GameFile file, const QString& section, const std::array<QString, N>& keys,
                                     const std::array<QCheckBox*, N>& boxes, const QString& defaultValue,
                                     TrueText checking = TrueText::Exact) {
    std::vector<KeyBinding> rows;
    for (std::size_t i = 0; i < N; ++i)
        rows.push_back({file, section, keys[i], defaultValue, checkBox(boxes[i], checking)});
    return rows;
}

// Reads and writes bound keys, row after row in the order a step names them: single rows and runs of rows.
class KeyBinder {
  public:
    explicit KeyBinder(GameFiles files) : files_(std::move(files)) {}
    // The path of a game file of the last load.
    QString path(GameFile file) const;
    // Reads each row's key through ReadINI and shows it in its control; an error stops the walk at that row.
    template <class... Rows>
    void load(const Rows&... rows) const {
        (loadRun(run(rows)), ...);
    }
    // Writes each row's value through WriteINI, leaving the keys whose control has none.
    template <class... Rows>
    void save(const Rows&... rows) const {
        (saveRun(run(rows)), ...);
    }

  private:
    static std::span<const KeyBinding> run(const KeyBinding& row) { return {&row, 1}; }
    static std::span<const KeyBinding> run(std::span<const KeyBinding> rows) { return rows; }
    void loadRun(std::span<const KeyBinding> rows) const;
    void saveRun(std::span<const KeyBinding> rows) const;

    GameFiles files_;
};

}  // namespace editor
