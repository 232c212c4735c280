# Checks the API reference that Doxygen wrote into HTML_DIR: the README as its main page, the
# user guide, the widgets classes, and the enumerations ErrorCode, NumberFormat and
# ParseProblem with their values documented.
cmake_minimum_required(VERSION 3.25)
file(READ ${HTML_DIR}/index.html index)
if(NOT index MATCHES "The command-line tool in one screen")
    message(FATAL_ERROR "the main page is not the README")
endif()
set(units namespacevelmar_1_1platform_1_1core_1_1units)
foreach(page md_docs_UserGuide ${units} ${units}_1_1QuantityLineEdit
        ${units}_1_1QuantityValidator)
    string(REPLACE "namespacevelmar_1_1platform_1_1core_1_1units_1_1"
        "classvelmar_1_1platform_1_1core_1_1units_1_1" page ${page})
    if(NOT EXISTS ${HTML_DIR}/${page}.html)
        message(FATAL_ERROR "the reference has no page ${page}.html")
    endif()
endforeach()
file(READ ${HTML_DIR}/${units}.html namespace)
foreach(enumeration ErrorCode NumberFormat ParseProblem)
    if(NOT namespace MATCHES "<td class=\"memname\">enum <a [^>]*>[a-z:]*${enumeration}</a> : int</td>")
        message(FATAL_ERROR "the reference does not document ${enumeration}")
    endif()
endforeach()
foreach(value ecNotAQuantity nfFraction ppBearingWithoutPole)
    if(NOT namespace MATCHES "<td class=\"fieldname\"><a id=\"[^\"]*\" name=\"[^\"]*\"></a>${value}&#160;</td><td class=\"fielddoc\"><p[^>]*>[^<]")
        message(FATAL_ERROR "the reference does not document the value ${value}")
    endif()
endforeach()
