#include "program/TranslatorWindow.h"

#include "common/Numbers.h"
#include "common/Text.h"

namespace brisvane {

namespace {

Control labelled(const char* name, const char* caption, int left, int top, int width, int height,
                 std::uint32_t colour = colour::Silver) {
    Control c = makeControl(name, left, top, width, height, colour);
    c.caption = caption;
    return c;
}

// The English text's box; the notice below takes the translation's room as well.
constexpr int EnglishHeight = 720;

constexpr const char* MissingReference =
    "The reference language file English.lan is missing from the program folder, so there "
    "is nothing to translate. Please reinstall the game.";

} // namespace

TranslatorWindow::TranslatorWindow(Wiring wiring)
    : Label1(labelled("Label1", "Selected language:", 240, 180, 1800, 255)),
      lblSel(labelled("lblSel", "", 2100, 180, 4140, 255, colour::Yellow)),
      Label2(labelled("Label2", "English word or sentence:", 240, 600, 3600, 255)),
      lblEnglish(labelled("lblEnglish", "", 240, 870, 6000, EnglishHeight, colour::White)),
      lblID(labelled("lblID", "", 4440, 600, 1800, 255)),
      Label3(labelled("Label3", "Translated word or sentence:", 240, 1710, 3600, 255)),
      inLan(labelled("inLan", "", 240, 1980, 6000, 375, colour::White)),
      Combo1(labelled("Combo1", "1", 1860, 2550, 1020, 345, colour::White)),
      lblWhich(labelled("lblWhich", "", 2940, 2580, 1200, 255)),
      bPrev(labelled("bPrev", "<< &Previous", 240, 2520, 1500, 405, colour::White)),
      bNext(labelled("bNext", "&Next >>", 4740, 2520, 1500, 405, colour::White)),
      lblBar(labelled("lblBar", "", 240, 3180, 0, 255, colour::Yellow)),
      lblPerc(labelled("lblPerc", "0%", 1740, 3180, 900, 255)),
      bSave(labelled("bSave", "&Save language", 2580, 3780, 1920, 450, colour::Yellow)),
      Command1(labelled("Command1", "&Cancel", 4620, 3780, 1620, 450, colour::White)),
      w_(std::move(wiring)) {
    lblSel.bold = true;
    bSave.visible = false;
}

std::vector<Control*> TranslatorWindow::controls() {
    return {&Label1,   &lblSel, &Label2, &lblEnglish, &lblID,   &Label3, &inLan,   &Combo1,
            &lblWhich, &bPrev,  &bNext,  &lblBar,     &lblPerc, &bSave,  &Command1};
}

void TranslatorWindow::notify() const {
    if (changed_) {
        changed_();
    }
}

void TranslatorWindow::Load(const TranslationJob& job) {
    Translator& t = w_.translator;
    pendingChange_ = false;
    Timer1 = ModelTimer{1000, false, Timer1.starts};
    Timer2 = ModelTimer{800, false, Timer2.starts};
    t.open(job);
    lblSel.caption = t.selectedName();
    lblWhich.caption = "of " + std::to_string(t.LanTotal());
    Combo1Items.clear();
    for (int p = 1; p <= t.LanTotal(); ++p) {
        Combo1Items.push_back(std::to_string(p));
    }
    const bool usable = t.hasKeys();
    inLan.enabled = usable;
    Combo1.enabled = usable;
    // Without keys there is nothing to type: the notice takes the translation's room to show
    // whole.
    Label3.visible = usable;
    inLan.visible = usable;
    lblEnglish.height = usable ? EnglishHeight : inLan.top + inLan.height - lblEnglish.top;
    visible = true;
    showPosition();
    lanVarje();
    checkLan();
    if (!usable) {
        // Nothing to translate: say why where the English text would be, and offer nothing
        // that could write.
        // In the player's language; in English when the missing file was that language too.
        lblEnglish.caption = w_.texts.T("s142");
        if (lblEnglish.caption.empty()) {
            lblEnglish.caption = MissingReference;
        }
        lblID.caption.clear();
        Combo1.caption.clear();
        Timer2.stop();
        notify();
        return;
    }
    Timer1.start();
    notify();
}

void TranslatorWindow::showPosition() {
    Combo1.caption = std::to_string(w_.translator.LanPos());
}

void TranslatorWindow::lanVarje() {
    const Translator& t = w_.translator;
    lblID.caption = "(" + t.LanKey() + ")";
    lblEnglish.caption = t.englishText();
    inLan.caption = t.translation();
    pendingChange_ = false;
    bPrev.enabled = t.LanPos() > 1;
    bNext.enabled = t.LanPos() < t.LanTotal();
    Timer1.start();
    notify();
}

void TranslatorWindow::checkLan() {
    Translator& t = w_.translator;
    t.checkLan();
    lblBar.width = t.barWidth();
    lblPerc.caption = t.percentText();
    bSave.visible = t.complete();
    notify();
}

void TranslatorWindow::LanStep(int LanJump) {
    w_.translator.jump(LanJump);
    showPosition();
    lanVarje();
}

void TranslatorWindow::inLanChange(const std::string& text) {
    if (!w_.translator.hasKeys()) {
        return;
    }
    inLan.caption = text;
    pendingChange_ = true;
    Timer2.start();
    notify();
}

void TranslatorWindow::Timer1Tick() {
    Timer1.stop();
    ++inLanFocusRequests;
    notify();
}

void TranslatorWindow::Timer2Tick() {
    Timer2.stop();
    if (pendingChange_) {
        pendingChange_ = false;
        if (!w_.translator.write(inLan.caption)) {
            w_.dialogs.message(Title,
                               text::fill(w_.texts.T("s141"), {w_.translator.TargetFile()}),
                               MessageKind::Warning);
        }
    }
    checkLan();
}

void TranslatorWindow::flushPendingWrite() {
    if (pendingChange_) {
        Timer2Tick();
    }
}

void TranslatorWindow::beforeMove() {
    flushPendingWrite();
    Timer1.stop();
    Timer2.stop();
    inLan.caption.clear();
}

void TranslatorWindow::clickNext() {
    if (!bNext.enabled) {
        return;
    }
    beforeMove();
    w_.translator.next();
    showPosition();
    lanVarje();
}

void TranslatorWindow::clickPrev() {
    if (!bPrev.enabled) {
        return;
    }
    beforeMove();
    w_.translator.prev();
    showPosition();
    lanVarje();
}

void TranslatorWindow::Combo1Click(const std::string& text) {
    if (!w_.translator.hasKeys()) {
        return;
    }
    beforeMove();
    LanStep(intValue(text));
}

void TranslatorWindow::clickCommand1() {
    if (!visible) {
        return;
    }
    flushPendingWrite();
    w_.translator.storePosition();
    close();
    if (w_.showCreationWindow) {
        w_.showCreationWindow();
    }
}

void TranslatorWindow::clickSave() {
    if (!visible) {
        return;
    }
    flushPendingWrite();
    if (!bSave.visible) {
        // The last change emptied a text: not complete any more.
        w_.dialogs.message(Title, w_.texts.T("s143"), MessageKind::Warning);
        return;
    }
    const SaveOutcome outcome = w_.translator.save();
    if (!outcome.saved) {
        w_.dialogs.message(Title, outcome.problem, MessageKind::Warning);
        return;
    }
    close();
    if (w_.showSettingsWindow) {
        w_.showSettingsWindow();
    }
}

void TranslatorWindow::close() {
    Timer1.stop();
    Timer2.stop();
    visible = false;
    notify();
}

} // namespace brisvane
