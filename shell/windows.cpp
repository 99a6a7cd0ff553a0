// SPDX-License-Identifier: MIT
#include "windows.h"

#include "main_form.h"
#include "moment_load_form.h"
#include "point_load_form.h"
#include "uniform_load_form.h"

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
