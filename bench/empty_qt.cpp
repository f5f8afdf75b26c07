// A reference for the send benchmark: a program that links Qt Core and does nothing, to show
// what loading the library alone costs against the C floor.
#include <QtGlobal>

int main()
{
    return qVersion() ? 0 : 1;
}
