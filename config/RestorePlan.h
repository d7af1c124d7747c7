// How a device of a configuration file is restored to a device: an ordered list of steps, each
// sending the frames of one setting through the target's protocol interface, safe for a running
// wall (outputs and GW areas, resolution, layout and mappings before windows). Built from the
// differences (ConfigDiff) of the groups chosen; what the target cannot take is listed instead.
// The runner (who owns the interface and waits for the device's acknowledgements) executes the
// steps in order, re-reads the device and asks verify() what still differs.
//
// Restoring a preset means laying its windows out on the wall and storing them: the wall shows
// each restored preset while it is stored, then the live layout is put back. presetNotice says so
// before anything is sent.
#pragma once

#include "ConfigDiff.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Interface;

struct RestoreStep
{
    QString group;
    QString description;
    // Sends the step's frames through the target's interface (a KS9200Interface or a
    // GW5Interface, by the target's family). GW window steps consult the interface's window
    // matrix when they run, so it must hold the target's read-back.
    std::function<void(Interface *)> send;
};

class RestorePlan
{
    Q_DECLARE_TR_FUNCTIONS(RestorePlan)

public:
    // `groups`: the groups to restore (ConfigDiff::groups() names); all when empty.
    static RestorePlan build(const ConfigDevice &file, const INFO_BASIC &target,
                             const QStringList &groups = QStringList());

    // Empty when the plan can run; otherwise why not (another family).
    QString error;
    QList<RestoreStep> steps;
    // The differences the steps apply, and those of the chosen groups the target cannot take.
    QList<ConfigDifference> applied;
    QList<ConfigDifference> notApplicable;
    // The groups that have steps, in the order they run.
    QStringList groups;
    // Presets are laid out on the live wall while they are stored (presetNotice tells how).
    bool laysOutPresets = false;
    QString presetNotice;
    // The device's own layout is put back after the presets (when the layout group is not
    // restored); verify() then checks it too.
    bool putsLayoutBack = false;

    // What still differs after the restore, by the device's fresh read-back: the file against the
    // applied groups, and, when presets were laid out without the layout group, the device's own
    // layout from before the restore against the layout it has now.
    QList<ConfigDifference> verify(const INFO_BASIC &reread) const;

private:
    ConfigDevice m_file;
    ConfigDevice m_before; // the target as it was, for the layout put back after presets
};
