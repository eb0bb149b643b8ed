#pragma once
// While it lives, the permission bits of files and folders hold for the
// calling thread even when the tests run as root: the capabilities that let
// root read, search and write past them are switched off, and back on after.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace nimbara::testing {

class PermissionsEnforced {
 public:
  PermissionsEnforced() {
    syscall(SYS_capget, &m_header, m_saved);
    __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &m_header, reduced);
  }
  ~PermissionsEnforced() { syscall(SYS_capset, &m_header, m_saved); }
  PermissionsEnforced(const PermissionsEnforced&) = delete;
  PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

 private:
  __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct m_saved[2]{};
};

}  // namespace nimbara::testing
