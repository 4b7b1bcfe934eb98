# Sourced by the tests that read the version off what the program shows or records, with
# the project version of the build (its four numbers, from CMakeLists.txt) as argument:
#   . version.sh 25.1.0.7
# sets the forms it takes, worked out here on their own:
#   display_version   25.1.7      major, minor and revision: the program and its packages
#   record_version    25.01.0007  minor and revision padded: the version record's texts
#   record_numbers    25, 1, 0, 7 the version record's numbers
#   copyright_years   2017-2025   up to "20" and the major number
IFS=. read -r major minor third revision <<<"$1"
display_version=$major.$minor.$revision
record_version=$(printf '%d.%02d.%04d' "$major" "$minor" "$revision")
record_numbers="$major, $minor, $third, $revision"
copyright_years=2017-20$major
