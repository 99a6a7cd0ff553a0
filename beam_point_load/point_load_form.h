// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"
#include "beam_point_load/point_load_layout.h"

namespace point_load {

// Form2: a simply supported beam of span 20 under a concentrated force of 1500
// that the user moves along it.
class Form : public beam::BeamForm {
public:
    using BeamForm::BeamForm;
    void Command1_Click() override;
};

} // namespace point_load
