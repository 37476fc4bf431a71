#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Makes file permissions bind the calling thread while it lives, even when the tests run as root:
// drops the capabilities that override them from the thread's effective set (they stay permitted,
// so they come back afterwards). For anyone else permissions bind already and nothing changes.
class FilePermissionsBind final {
public:
    FilePermissionsBind() { setOverride(false); }
    ~FilePermissionsBind() { setOverride(true); }
    FilePermissionsBind(const FilePermissionsBind&) = delete;
    FilePermissionsBind& operator=(const FilePermissionsBind&) = delete;

private:
    static void setOverride(bool on) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0)
            return;
        constexpr unsigned overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        if (on)
            data[0].effective |= data[0].permitted & overrides;
        else
            data[0].effective &= ~overrides;
        syscall(SYS_capset, &header, data);
    }
};
