#include "ports/port_problem.h"

#include "link/system_reason.h"

namespace pemrix::ports {

namespace {

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
    return "Добавьте пользователя в группу " + group + " (sudo usermod -aG " + group +
           " $USER) и войдите в систему заново.";
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
        return {name + ": нет доступа (группа " + group + ")",
                "Нет доступа к порту " + port + ": устройство принадлежит группе " + group + ". " +
                    joinAdvice(group)};
    }
    // A reason that only repeats "нет доступа" is not said twice.
    const std::string reason = link::portErrorReason(error);
    std::string full = "Нет доступа к порту " + port +
                       (reason == os::noPermissionReason ? "" : ": " + reason) + ".";
    // Without the device's group at hand, the usual one is the likely remedy.
    if (!facts.group)
        full += " Последовательные порты обычно принадлежат группе " + usualSerialGroup + ". " +
                joinAdvice(usualSerialGroup);
    return {name + ": нет доступа", full};
}

} // namespace

PortProblem describeOpenFailure(const std::string& portName, const std::string& device,
                                const link::PortError& error, const OpenFailureFacts& facts) {
    const std::string port = portAndDevice(portName, device);
    const std::string name = shortName(portName, device);
    switch (error.kind) {
    case link::PortErrorKind::NoSuchPort:
        return {name + ": устройство не найдено",
                "Порт " + port +
                    ": устройство не найдено. Проверьте, подключён ли адаптер, или выберите "
                    "другое устройство порта."};
    case link::PortErrorKind::InUse:
        if (facts.holder) {
            const std::string pid = "PID " + std::to_string(facts.holder->pid);
            // A process whose name cannot be read is known by its number alone.
            const std::string holder =
                facts.holder->program.empty() ? pid : facts.holder->program + " (" + pid + ")";
            return {name + " занят: " + holder, "Порт " + port + " занят другой программой: " +
                                                    holder + ". Закройте её и повторите попытку."};
        }
        return {name + " занят другой программой",
                "Порт " + port + " занят другой программой. Закройте её и повторите попытку."};
    case link::PortErrorKind::NoPermission:
        return noPermission(port, name, error, facts);
    default:
        return {name + ": порт не открыт",
                "Порт " + port + " не открыт: " + link::portErrorReason(error) + "."};
    }
}

PortProblem describeLineLoss(const std::string& portName, const std::string& device,
                             const link::PortError& error) {
    const std::string reason = link::portErrorReason(error);
    const std::string what = reason.empty() ? std::string("связь прервана") : reason;
    return {shortName(portName, device) + ": " + what,
            "Порт " + portAndDevice(portName, device) + ": " + what +
                ". Проверьте, подключён ли адаптер, и установите связь заново."};
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
    return {"Пользователь не в группе " + group,
            "Пользователь не входит в группу " + group +
                ": последовательные порты могут быть недоступны. " + joinAdvice(group)};
}

} // namespace pemrix::ports
