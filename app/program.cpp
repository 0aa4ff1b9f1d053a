#include "app/program.h"

#include "app/program_identity.h"

namespace ombrelo::app {

Program::Program(QApplication& application) : m_form(m_platform, m_regional) {
    m_platform.SetOwner(&m_form);
    ApplyProgramIdentity(application);
}

}  // namespace ombrelo::app
