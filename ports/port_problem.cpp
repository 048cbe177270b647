#include "ports/port_problem.h"

#include "link/system_reason.h"

namespace pemrix::ports {

namespace {

using language::arg;
using language::translate;

// The group that serial devices belong to on the common distributions.
const std::string usualSerialGroup = "dialout";

// "COM1 (/dev/ttyUSB0)", or the device alone when it was named directly.
std::string portAndDevice(const std::string& portName, const std::string& device) {
    return portName.empty() ? device : portName + " (" + device + ")";
}

std::string shortName(const std::string& portName, const std::string& device) {
    return portName.empty() ? device : portName;
}

std::string joinAdvice(const std::string& group) {
    return arg(translate("pemrix", "Добавьте пользователя в группу %1 (sudo usermod -aG %1 $USER) "
                                   "и войдите в систему заново."),
               {group});
}

// Joining a device's group is a remedy only when its members may use the device: a
// device of root's group, or one closed to its group, needs another.
bool joiningGrantsAccess(const GroupInfo& group) {
    return group.id != 0 && group.mayReadWrite;
}

bool joiningHelps(const OpenFailureFacts& facts) {
    return facts.group && joiningGrantsAccess(*facts.group) && !facts.userInGroup;
}

PortProblem noPermission(const std::string& port, const std::string& name,
                         const link::PortError& error, const OpenFailureFacts& facts) {
    if (joiningHelps(facts)) {
        const std::string& group = facts.group->name;
        return {
            arg(translate("pemrix", "%1: нет доступа (группа %2)"), {name, group}),
            arg(translate("pemrix", "Нет доступа к порту %1: устройство принадлежит группе %2."),
                {port, group}) +
                " " + joinAdvice(group)};
    }
    // A reason that only repeats "нет доступа" is not said twice; the port's reason
    // comes in the user's language, and so is compared.
    const std::string reason = link::portErrorReason(error);
    std::string full =
        reason == os::translatedReason(os::noPermissionReason)
            ? arg(translate("pemrix", "Нет доступа к порту %1."), {port})
            : arg(translate("pemrix", "Нет доступа к порту %1: %2."), {port, reason});
    // Without the device's group at hand, the usual one is the likely remedy.
    if (!facts.group)
        full += " " +
                arg(translate("pemrix", "Последовательные порты обычно принадлежат группе %1."),
                    {usualSerialGroup}) +
                " " + joinAdvice(usualSerialGroup);
    return {arg(translate("pemrix", "%1: нет доступа"), {name}), full};
}

} // namespace

PortProblem describeOpenFailure(const std::string& portName, const std::string& device,
                                const link::PortError& error, const OpenFailureFacts& facts) {
    const std::string port = portAndDevice(portName, device);
    const std::string name = shortName(portName, device);
    switch (error.kind) {
    case link::PortErrorKind::NoSuchPort:
        return {arg(translate("pemrix", "%1: устройство не найдено"), {name}),
                arg(translate("pemrix", "Порт %1: устройство не найдено. Проверьте, подключён ли "
                                        "адаптер, или выберите другое устройство порта."),
                    {port})};
    case link::PortErrorKind::InUse:
        if (facts.holder) {
            const std::string pid = "PID " + std::to_string(facts.holder->pid);
            // A process whose name cannot be read is known by its number alone.
            const std::string holder =
                facts.holder->program.empty() ? pid : facts.holder->program + " (" + pid + ")";
            return {arg(translate("pemrix", "%1 занят: %2"), {name, holder}),
                    arg(translate("pemrix", "Порт %1 занят другой программой: %2. Закройте её и "
                                            "повторите попытку."),
                        {port, holder})};
        }
        return {arg(translate("pemrix", "%1 занят другой программой"), {name}),
                arg(translate("pemrix",
                              "Порт %1 занят другой программой. Закройте её и повторите попытку."),
                    {port})};
    case link::PortErrorKind::NoPermission:
        return noPermission(port, name, error, facts);
    default:
        return {arg(translate("pemrix", "%1: порт не открыт"), {name}),
                arg(translate("pemrix", "Порт %1 не открыт: %2."),
                    {port, link::portErrorReason(error)})};
    }
}

PortProblem describeLineLoss(const std::string& portName, const std::string& device,
                             const link::PortError& error) {
    const std::string reason = link::portErrorReason(error);
    const std::string what = reason.empty() ? translate("pemrix", "связь прервана") : reason;
    return {shortName(portName, device) + ": " + what,
            arg(translate("pemrix", "Порт %1: %2. Проверьте, подключён ли адаптер, и установите "
                                    "связь заново."),
                {portAndDevice(portName, device), what})};
}

PortProblem diagnoseOpenFailure(const std::string& portName, const std::string& device,
                                const link::PortError& error,
                                const std::filesystem::path& procRoot) {
    OpenFailureFacts facts;
    if (error.kind == link::PortErrorKind::NoPermission) {
        facts.group = groupOfFile(device);
        facts.userInGroup = facts.group && currentUserGroups().isIn(facts.group->id);
    }
    if (error.kind == link::PortErrorKind::InUse)
        facts.holder = findDeviceHolder(device, procRoot);
    return describeOpenFailure(portName, device, error, facts);
}

std::optional<std::string> serialGroupToJoin(const UserGroups& user,
                                             const std::vector<SerialDevice>& devices) {
    if (user.root)
        return std::nullopt;
    // The group of the first device present, when joining it would help; else the
    // group serial devices usually belong to.
    std::string name = usualSerialGroup;
    unsigned id = 0;
    if (!devices.empty()) {
        const SerialDevice& first = devices.front();
        if (const auto owner = groupOfFile(first.target.empty() ? first.path : first.target);
            owner && joiningGrantsAccess(*owner)) {
            name = owner->name;
            id = owner->id;
        }
    }
    if (id == 0) {
        const auto usual = groupNamed(usualSerialGroup);
        if (!usual)
            return std::nullopt;
        id = usual->id;
    }
    if (user.isIn(id))
        return std::nullopt;
    return name;
}

PortProblem serialGroupNotice(const std::string& group) {
    return {arg(translate("pemrix", "Пользователь не в группе %1"), {group}),
            arg(translate("pemrix", "Пользователь не входит в группу %1: последовательные порты "
                                    "могут быть недоступны."),
                {group}) +
                " " + joinAdvice(group)};
}

} // namespace pemrix::ports
