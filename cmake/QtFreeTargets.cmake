# SPDX-License-Identifier: MIT
# qt_standard_project_setup() turns Qt's code generators on for every target
# defined after it. A target that uses no Qt calls zembra_without_qt() right
# after it is defined, so that it gets no *_autogen step scanning its sources
# for nothing, whether or not Qt was set up before it.
function(zembra_without_qt)
    set_target_properties(${ARGN} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
