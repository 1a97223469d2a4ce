# orvtool_repository: an orvtool that is built already (an installed package, an unpacked tarball or zip,
# or a CMake build folder of the orvtool sources) as the label @NAME//:orvtool, the program orv_music runs.
#
#   load("@orvtool//bazel:orvtool_repository.bzl", "orvtool_repository")
#   orvtool_repository(name = "orvtool_program", prefix = "/usr")
#
# The environment variable ORVTOOL_PREFIX, where set (bazel build --repo_env=ORVTOOL_PREFIX=DIR), takes
# the place of `prefix`. A relative prefix is taken from the main workspace's root. The program is linked,
# not copied: a rebuilt orvtool is seen by its bytes, and rebuilds the music it makes.

# Where a prefix keeps the program: an install (bin/), a CMake build folder, the Windows zip's root.
_PLACES = ["bin/orvtool", "tools/orvtool/orvtool", "orvtool"]

def _is_absolute(path):
    return path.startswith("/") or (len(path) > 2 and path[1] == ":" and path[2] in "/\\")

def _orvtool_repository_impl(rctx):
    prefix = rctx.os.environ.get("ORVTOOL_PREFIX", rctx.attr.prefix)
    base = prefix if _is_absolute(prefix) else "{}/{}".format(rctx.path(Label("@//:WORKSPACE")).dirname, prefix)
    windows = rctx.os.name.lower().startswith("windows")
    suffix = ".exe" if windows else ""
    found = [rctx.path(base + "/" + place + suffix) for place in _PLACES]
    found = [program for program in found if program.exists]
    if not found:
        fail("no orvtool under the prefix {} ({}); set orvtool_repository's prefix, or ORVTOOL_PREFIX, to where orvtool is installed or built".format(
            prefix,
            ", ".join([place + suffix for place in _PLACES]),
        ))
    rctx.symlink(found[0], "orvtool" + suffix)
    build = 'exports_files(["orvtool"])\n'
    if windows:
        build = 'alias(name = "orvtool", actual = ":orvtool.exe", visibility = ["//visibility:public"])\n'
    rctx.file("WORKSPACE", 'workspace(name = "{}")\n'.format(rctx.name))
    rctx.file("BUILD.bazel", build)

orvtool_repository = repository_rule(
    implementation = _orvtool_repository_impl,
    doc = "Exports an orvtool found under a prefix as @NAME//:orvtool.",
    attrs = {
        "prefix": attr.string(
            default = "/usr",
            doc = "The folder orvtool is installed or built under; ORVTOOL_PREFIX takes its place.",
        ),
    },
    environ = ["ORVTOOL_PREFIX"],
)
