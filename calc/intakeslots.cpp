#include "intakeslots.h"

IntakeSlots::Choice IntakeSlots::choose(bool repeatedMode,
                                        const std::array<double, Count>& slotBlood) {
    int filled = 0;
    while (filled < Count && slotBlood[static_cast<size_t>(filled)] != 0)
        ++filled;
    bool restEmpty = true;
    for (int i = filled; i < Count; ++i)
        restEmpty = restEmpty && slotBlood[static_cast<size_t>(i)] == 0;

    if (!repeatedMode)
        return {filled == 0 && restEmpty ? Target::Normal : Target::Nothing, -1};
    if (filled == Count)
        return {Target::AllFull, -1};
    if (!restEmpty)
        return {Target::Nothing, -1};
    return {Target::Slot, filled};
}

IntakeSlots::Sums IntakeSlots::sum(const std::array<Fixed4, Count>& blood,
                                   const std::array<Fixed4, Count>& urine,
                                   const std::array<Fixed4, Count>& totalTime,
                                   const std::array<Fixed4, Count>& remainingTime) {
    Sums s;
    for (size_t i = 0; i < Count; ++i) {
        s.blood += blood[i];
        s.urine += urine[i];
        s.totalTime += totalTime[i];
        s.remainingTime += remainingTime[i];
    }
    return s;
}

QString IntakeSlots::promptModeOff() {
    return QStringLiteral("Время после приема алкоголя в часах.");
}

QString IntakeSlots::promptModeOn() {
    return QStringLiteral("Время после 1 и до 2 приема алкоголя в часах.");
}

QString IntakeSlots::promptAfterSlot(int slot) {
    if (slot >= Count - 1)
        return QStringLiteral("Время после 6 приема алкоголя в часах.");
    return QStringLiteral("Время после %1 и до %2 приема алкоголя в часах.")
        .arg(slot + 2)
        .arg(slot + 3);
}
