// SPDX-License-Identifier: MIT
#include "shell/window_list.h"

#include "beam_moment_load/moment_load_form.h"
#include "beam_point_load/point_load_form.h"
#include "beam_uniform_load/uniform_load_form.h"
#include "shell/main_form.h"

namespace shell {

Windows::Windows(toolkit::Program& program)
    : program_(program)
{
}

Windows::~Windows() = default;

MainForm& Windows::Form1()
{
    if (!form1_)
        form1_ = std::make_unique<MainForm>(program_, *this);
    return *form1_;
}

PointLoadForm& Windows::Form2()
{
    if (!form2_)
        form2_ = std::make_unique<PointLoadForm>(program_, Form1());
    return *form2_;
}

UniformLoadForm& Windows::Form3()
{
    if (!form3_)
        form3_ = std::make_unique<UniformLoadForm>(program_, Form1());
    return *form3_;
}

MomentLoadForm& Windows::Form4()
{
    if (!form4_)
        form4_ = std::make_unique<MomentLoadForm>(program_, Form1());
    return *form4_;
}

} // namespace shell
